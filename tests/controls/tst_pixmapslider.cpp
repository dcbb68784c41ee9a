#include "controls/audiovolume.h"
#include "controls/pixmapslider.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(QMargins)

namespace {

const char kGrooveNormal[] = ":/slider/groove_normal.png";
const char kGrooveActive[] = ":/slider/groove_active.png";
const char kThumbNormal[] = ":/slider/thumb_normal.png";
const char kThumbActive[] = ":/slider/thumb_active.png";

}

class TestPixmapSlider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void setValueClampsAndNotifies_data();
    void setValueClampsAndNotifies();
    void repeatedValueIsSilent();

    void geometryFollowsValue_data();
    void geometryFollowsValue();
    void emptyRangePutsThumbAtStart_data();
    void emptyRangePutsThumbAtStart();
    void unknownDirectionMovesOnlyGroove();
    void thumbAnchorIsCurrentRightAfterValueChange();

    void picturesLoadFromPathsAndUnreadableGiveNull();
    void paintingDrawsGrooveActivePartAndThumb();
    void oversizedThumbIsStretchedWithoutAFullSizeCopy_data();
    void oversizedThumbIsStretchedWithoutAFullSizeCopy();
    void emptyRangeAndNoPicturesPaintSafely();

    void volumeLabelStaysHiddenUntilANotifiedChange();
    void volumeLabelFollowsThumb_data();
    void volumeLabelFollowsThumb();
    void volumeWithoutParentKeepsLabelInside();
    void volumeTakesItsLabelAlong();
    void volumeGrabLooksRight();
};

void TestPixmapSlider::initTestCase()
{
    Q_INIT_RESOURCE(icons);
    QVERIFY(!QPixmap(kThumbNormal).isNull());
}

void TestPixmapSlider::setValueClampsAndNotifies_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("input");
    QTest::addColumn<bool>("notify");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("emitted");

    QTest::newRow("above maximum") << 0 << 100 << 150 << true << 100 << QList<int>{100};
    QTest::newRow("below minimum, quiet") << 0 << 100 << -5 << false << 0 << QList<int>{};
    QTest::newRow("inside, quiet") << 0 << 100 << 37 << false << 37 << QList<int>{};
    QTest::newRow("inside, notified") << 0 << 100 << 37 << true << 37 << QList<int>{37};
    QTest::newRow("negative range") << -100 << -10 << -50 << true << -50 << QList<int>{-50};
    QTest::newRow("inverted range: minimum wins") << 10 << 5 << 7 << true << 10 << QList<int>{10};
    QTest::newRow("empty range") << 40 << 40 << 90 << true << 40 << QList<int>{40};
}

void TestPixmapSlider::setValueClampsAndNotifies()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, input);
    QFETCH(bool, notify);
    QFETCH(int, stored);
    QFETCH(QList<int>, emitted);

    PixmapSlider slider;
    slider.setMinimum(min);
    slider.setMaximum(max);
    QSignalSpy spy(&slider, SIGNAL(valueChanged(int)));
    slider.setValue(input, notify);
    QCOMPARE(slider.value(), stored);
    QList<int> seen;
    for (const QList<QVariant> &args : spy)
        seen.append(args.at(0).toInt());
    QCOMPARE(seen, emitted);
}

void TestPixmapSlider::repeatedValueIsSilent()
{
    PixmapSlider slider;
    QSignalSpy spy(&slider, SIGNAL(valueChanged(int)));
    slider.setValue(150, true);
    slider.setValue(120, true);
    slider.setValue(100, true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(slider.value(), 100);
}

void TestPixmapSlider::geometryFollowsValue_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<QSize>("thumb");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("groove");
    QTest::addColumn<QRect>("active");
    QTest::addColumn<QRect>("thumbRect");

    const QMargins none;
    const QSize small(10, 10);
    QTest::newRow("right, half") << QSize(110, 30) << none << small << 0 << 0 << 100 << 50
                                 << QRect(0, 0, 110, 30) << QRect(0, 0, 50, 30) << QRect(50, 10, 10, 10);
    QTest::newRow("left, half") << QSize(110, 30) << none << small << 2 << 0 << 100 << 50
                                << QRect(0, 0, 110, 30) << QRect(59, 0, 50, 30) << QRect(50, 10, 10, 10);
    QTest::newRow("down, half") << QSize(30, 110) << none << small << 1 << 0 << 100 << 50
                                << QRect(0, 0, 30, 110) << QRect(0, 0, 30, 50) << QRect(10, 50, 10, 10);
    QTest::newRow("up, half") << QSize(30, 110) << none << small << 3 << 0 << 100 << 50
                              << QRect(0, 0, 30, 110) << QRect(0, 59, 30, 50) << QRect(10, 50, 10, 10);
    QTest::newRow("right, start") << QSize(110, 30) << none << small << 0 << 0 << 100 << 0
                                  << QRect(0, 0, 110, 30) << QRect(0, 0, 0, 30) << QRect(0, 10, 10, 10);
    QTest::newRow("right, end") << QSize(110, 30) << none << small << 0 << 0 << 100 << 100
                                << QRect(0, 0, 110, 30) << QRect(0, 0, 100, 30) << QRect(100, 10, 10, 10);
    QTest::newRow("left, end") << QSize(110, 30) << none << small << 2 << 0 << 100 << 100
                               << QRect(0, 0, 110, 30) << QRect(9, 0, 100, 30) << QRect(0, 10, 10, 10);
    QTest::newRow("up, end") << QSize(30, 110) << none << small << 3 << 0 << 100 << 100
                             << QRect(0, 0, 30, 110) << QRect(0, 9, 30, 100) << QRect(10, 0, 10, 10);
    QTest::newRow("margins and big thumb") << QSize(120, 40) << QMargins(5, 2, 5, 4) << QSize(20, 20) << 0 << 0 << 100 << 25
                                           << QRect(5, 2, 110, 34) << QRect(5, 2, 22, 34) << QRect(27, 9, 20, 20);
    QTest::newRow("fraction cut off") << QSize(110, 30) << none << small << 0 << 0 << 3 << 2
                                      << QRect(0, 0, 110, 30) << QRect(0, 0, 66, 30) << QRect(66, 10, 10, 10);
    QTest::newRow("negative range") << QSize(110, 30) << none << small << 0 << -100 << 100 << 0
                                    << QRect(0, 0, 110, 30) << QRect(0, 0, 50, 30) << QRect(50, 10, 10, 10);
    QTest::newRow("odd sizes halve toward zero") << QSize(111, 31) << none << QSize(11, 11) << 1 << 0 << 100 << 50
                                                 << QRect(0, 0, 111, 31) << QRect(0, 0, 111, 10) << QRect(50, 10, 11, 11);
}

void TestPixmapSlider::geometryFollowsValue()
{
    QFETCH(QSize, size);
    QFETCH(QMargins, margins);
    QFETCH(QSize, thumb);
    QFETCH(int, direction);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(QRect, groove);
    QFETCH(QRect, active);
    QFETCH(QRect, thumbRect);

    PixmapSlider slider;
    slider.resize(size);
    slider.setGrooveMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
    slider.setThumbSize(thumb.width(), thumb.height());
    slider.setDirection(direction);
    slider.setMinimum(min);
    slider.setMaximum(max);
    slider.setValue(value, false);
    QCOMPARE(slider.value(), value);
    slider.updateGeometry();
    QCOMPARE(slider.grooveRect(), groove);
    QCOMPARE(slider.activeRect(), active);
    QCOMPARE(slider.thumbRect(), thumbRect);
}

void TestPixmapSlider::emptyRangePutsThumbAtStart_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("active");
    QTest::addColumn<QRect>("thumbRect");

    QTest::newRow("right") << 0 << QSize(110, 30) << QRect(0, 0, 0, 30) << QRect(0, 10, 10, 10);
    QTest::newRow("down") << 1 << QSize(30, 110) << QRect(0, 0, 30, 0) << QRect(10, 0, 10, 10);
    QTest::newRow("left") << 2 << QSize(110, 30) << QRect(109, 0, 0, 30) << QRect(100, 10, 10, 10);
    QTest::newRow("up") << 3 << QSize(30, 110) << QRect(0, 109, 30, 0) << QRect(10, 100, 10, 10);
}

void TestPixmapSlider::emptyRangePutsThumbAtStart()
{
    QFETCH(int, direction);
    QFETCH(QSize, size);
    QFETCH(QRect, active);
    QFETCH(QRect, thumbRect);

    PixmapSlider slider;
    slider.resize(size);
    slider.setDirection(direction);
    slider.setValue(30, false);
    // An owner may set an empty range; the value then stays where it was.
    slider.setMinimum(30);
    slider.setMaximum(30);
    slider.updateGeometry();
    QCOMPARE(slider.activeRect(), active);
    QCOMPARE(slider.thumbRect(), thumbRect);
}

void TestPixmapSlider::unknownDirectionMovesOnlyGroove()
{
    PixmapSlider slider;
    slider.resize(110, 30);
    slider.setValue(50, false);
    slider.updateGeometry();
    const QRect thumb = slider.thumbRect();
    const QRect active = slider.activeRect();

    slider.setDirection(5);
    slider.resize(200, 60);
    slider.setValue(80, false);
    slider.updateGeometry();
    QCOMPARE(slider.grooveRect(), QRect(0, 0, 200, 60));
    QCOMPARE(slider.thumbRect(), thumb);
    QCOMPARE(slider.activeRect(), active);
}

void TestPixmapSlider::thumbAnchorIsCurrentRightAfterValueChange()
{
    QWidget parent;
    auto *slider = new PixmapSlider(&parent);
    slider->setGeometry(30, 40, 110, 30);
    slider->updateGeometry();
    slider->setValue(50, false);
    // No paint in between: the anchor must still follow the new value.
    QCOMPARE(slider->thumbAnchor(), QPoint(30 + 50, 40 + 19));
    slider->setValue(100, false);
    QCOMPARE(slider->thumbAnchor(), QPoint(30 + 100, 40 + 19));
}

void TestPixmapSlider::picturesLoadFromPathsAndUnreadableGiveNull()
{
    PixmapSlider slider;
    slider.setGroovePixmaps(kGrooveNormal, kGrooveActive);
    slider.setThumbPixmaps(kThumbNormal, kThumbActive);
    QVERIFY(!slider.normalGroovePixmap().isNull());
    QVERIFY(!slider.activeGroovePixmap().isNull());
    QVERIFY(!slider.normalThumbPixmap().isNull());
    QVERIFY(!slider.activeThumbPixmap().isNull());

    slider.setGroovePixmaps(QString(), "/no/such/picture.png");
    QVERIFY(slider.normalGroovePixmap().isNull());
    QVERIFY(slider.activeGroovePixmap().isNull());
    QVERIFY(!slider.normalThumbPixmap().isNull());
}

void TestPixmapSlider::paintingDrawsGrooveActivePartAndThumb()
{
    PixmapSlider slider;
    slider.resize(220, 40);
    slider.setThumbSize(30, 30);
    slider.setGroovePixmaps(kGrooveNormal, kGrooveActive);
    slider.setThumbPixmaps(kThumbNormal, kThumbActive);
    slider.setValue(50, false);
    const QImage image = renderSelf(&slider);

    // Thumb spans x 95..124; active groove before it, plain groove after it.
    const QColor activeColour = image.pixelColor(40, 20);
    const QColor normalColour = image.pixelColor(180, 20);
    QCOMPARE(activeColour.rgb(), QColor("#2f7de1").rgb());
    QCOMPARE(normalColour.rgb(), QColor("#c8ccd4").rgb());
    QCOMPARE(image.pixelColor(110, 20).rgb(), QColor(Qt::white).rgb());

    // Without a thumb picture the painting stops after the grooves.
    slider.setThumbPixmaps(QString(), QString());
    QCOMPARE(renderSelf(&slider).pixelColor(110, 20).rgb(), QColor("#c8ccd4").rgb());
}

void TestPixmapSlider::oversizedThumbIsStretchedWithoutAFullSizeCopy_data()
{
    QTest::addColumn<QSize>("thumb");
    // Far beyond the slider (a page file reaches the second); a scaled copy of
    // the picture this large cannot be made, yet the middle of it must show.
    QTest::newRow("very wide") << QSize(100000000, 30);
    QTest::newRow("largest widget size") << QSize(16777215, 16777215);
}

void TestPixmapSlider::oversizedThumbIsStretchedWithoutAFullSizeCopy()
{
    QFETCH(QSize, thumb);
    PixmapSlider slider;
    slider.resize(220, 40);
    slider.setThumbSize(thumb.width(), thumb.height());
    slider.setGroovePixmaps(kGrooveNormal, kGrooveActive);
    slider.setThumbPixmaps(kThumbNormal, kThumbActive);
    slider.setValue(50, false);
    QElapsedTimer timer;
    timer.start();
    const QImage image = renderSelf(&slider);
    QVERIFY(timer.elapsed() < 5000);
    // The thumb's middle covers the slider's middle.
    QCOMPARE(image.pixelColor(110, 20).rgb(), QColor(Qt::white).rgb());
}

void TestPixmapSlider::emptyRangeAndNoPicturesPaintSafely()
{
    PixmapSlider slider;
    slider.resize(100, 20);
    QImage image = renderSelf(&slider);
    QCOMPARE(image.pixelColor(50, 10).alpha(), 0);

    slider.setGroovePixmaps(kGrooveNormal, kGrooveActive);
    slider.setThumbPixmaps(kThumbNormal, QString());
    slider.setMinimum(0);
    slider.setMaximum(0);
    image = renderSelf(&slider);
    // Thumb at the start, and no active part drawn over the groove.
    QCOMPARE(image.pixelColor(5, 10).rgb(), QColor(Qt::white).rgb());
    QCOMPARE(image.pixelColor(60, 10).rgb(), QColor("#c8ccd4").rgb());
}

void TestPixmapSlider::volumeLabelStaysHiddenUntilANotifiedChange()
{
    QWidget control;
    auto *volume = new AudioVolume(&control);
    QLabel *label = volume->valueLabel();
    QCOMPARE(label->parentWidget(), &control);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QVERIFY(!label->isVisible());

    // A value set from outside moves the thumb quietly.
    QSignalSpy spy(volume, SIGNAL(valueChanged(int)));
    QVERIFY(QMetaObject::invokeMethod(volume, "slotSetVal", Q_ARG(int, 30)));
    QCOMPARE(volume->value(), 30);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(volume->lastValue(), 50);
    QVERIFY(!label->isVisible());
}

void TestPixmapSlider::volumeLabelFollowsThumb_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("labelPos");

    // Thumb 10 x 10; the label hangs 2 pixels under the thumb's bottom-left corner.
    QTest::newRow("right, 70") << 0 << QRect(20, 30, 110, 30) << 70 << QPoint(20 + 70, 30 + 19 + 2);
    QTest::newRow("right, 0") << 0 << QRect(20, 30, 110, 30) << 0 << QPoint(20, 30 + 19 + 2);
    QTest::newRow("left, 70") << 2 << QRect(20, 30, 110, 30) << 70 << QPoint(20 + 30, 30 + 19 + 2);
    QTest::newRow("down, 25") << 1 << QRect(10, 10, 30, 110) << 25 << QPoint(10 + 10, 10 + 25 + 9 + 2);
    QTest::newRow("up, 25") << 3 << QRect(10, 10, 30, 110) << 25 << QPoint(10 + 10, 10 + 75 + 9 + 2);
}

void TestPixmapSlider::volumeLabelFollowsThumb()
{
    QFETCH(int, direction);
    QFETCH(QRect, geometry);
    QFETCH(int, value);
    QFETCH(QPoint, labelPos);

    QWidget control;
    control.resize(300, 300);
    auto *volume = new AudioVolume(&control);
    volume->setGeometry(geometry);
    volume->setDirection(direction);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));

    volume->setValue(value, true);
    QLabel *label = volume->valueLabel();
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QString::number(value));
    QCOMPARE(label->pos(), labelPos);
    QCOMPARE(volume->lastValue(), value);
}

void TestPixmapSlider::volumeWithoutParentKeepsLabelInside()
{
    AudioVolume volume;
    volume.resize(110, 30);
    QCOMPARE(volume.valueLabel()->parentWidget(), &volume);
    volume.show();
    QVERIFY(QTest::qWaitForWindowExposed(&volume));
    volume.setValue(80, true);
    QLabel *label = volume.valueLabel();
    QVERIFY(!label->isWindow());
    QVERIFY(label->isVisible());
    QCOMPARE(label->pos(), QPoint(80, 21));
}

void TestPixmapSlider::volumeTakesItsLabelAlong()
{
    QWidget control;
    auto *volume = new AudioVolume(&control);
    QPointer<QLabel> label = volume->valueLabel();
    delete volume;
    QTRY_VERIFY(label.isNull());
}

void TestPixmapSlider::volumeGrabLooksRight()
{
    QWidget control;
    control.resize(260, 70);
    QPalette dark = control.palette();
    dark.setColor(QPalette::Window, QColor("#303540"));
    control.setPalette(dark);
    control.setAutoFillBackground(true);
    auto *volume = new AudioVolume(&control);
    volume->setGeometry(10, 10, 240, 30);
    volume->setThumbSize(24, 24);
    volume->setGrooveMargins(0, 2, 0, 2);
    volume->setGroovePixmaps(kGrooveNormal, kGrooveActive);
    volume->setThumbPixmaps(kThumbNormal, kThumbActive);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    volume->setValue(64, true);

    const QImage image = control.grab().toImage();
    QVERIFY(saveGrabIfAsked(image, "audiovolume.png"));
    // The value label sits under the thumb in white.
    const QPoint label = volume->valueLabel()->geometry().center();
    QCOMPARE(image.pixelColor(label.x() - 10, label.y()).rgb(), QColor(Qt::white).rgb());
}

QTEST_MAIN(TestPixmapSlider)
#include "tst_pixmapslider.moc"
