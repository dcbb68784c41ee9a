#include "controls/audiovolume.h"
#include "controls/pixmapslider.h"
#include "controls/uivolumeslidercontrol.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QPixmapCache>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char kGrooveNormal[] = ":/slider/groove_normal.png";
const char kGrooveActive[] = ":/slider/groove_active.png";
const char kThumbNormal[] = ":/slider/thumb_normal.png";
const char kThumbActive[] = ":/slider/thumb_active.png";
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kActive = qRgb(0x2f, 0x7d, 0xe1);
const QRgb kGroove = qRgb(0xc8, 0xcc, 0xd4);

} // namespace

class TestSliders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(icons); }
    void cleanup() { GlobalManager::resetInstance(); }

    void geometryFollowsValue_data();
    void geometryFollowsValue();
    void paintingShowsGrooveActivePartAndThumb_data();
    void paintingShowsGrooveActivePartAndThumb();
    void volumeLabelFollowsANotifiedChange_data();
    void volumeLabelFollowsANotifiedChange();

    void attributesAndEditsReachTheSlider_data();
    void attributesAndEditsReachTheSlider();
    void picturesLoadFromTheFileFolderAndClear();
    void slidersLeaveTheSharedPixmapCacheAlone();

private:
    TestWorkDir m_workDir;
};

void TestSliders::geometryFollowsValue_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("active");
    QTest::addColumn<QRect>("thumb");
    // 110 x 30 across (30 x 110 down and up), thumb 10 x 10.
    QTest::newRow("right, half") << 0 << 0 << 100 << 50 << QRect(0, 0, 50, 30) << QRect(50, 10, 10, 10);
    QTest::newRow("left, half") << 2 << 0 << 100 << 50 << QRect(59, 0, 50, 30) << QRect(50, 10, 10, 10);
    QTest::newRow("down, half") << 1 << 0 << 100 << 50 << QRect(0, 0, 30, 50) << QRect(10, 50, 10, 10);
    QTest::newRow("up, end") << 3 << 0 << 100 << 100 << QRect(0, 9, 30, 100) << QRect(10, 0, 10, 10);
    QTest::newRow("negative range") << 0 << -100 << 100 << 0 << QRect(0, 0, 50, 30) << QRect(50, 10, 10, 10);
    // An owner may set an empty range: the thumb then stands at the start.
    QTest::newRow("empty range, right") << 0 << 30 << 30 << 30 << QRect(0, 0, 0, 30) << QRect(0, 10, 10, 10);
    QTest::newRow("empty range, down") << 1 << 30 << 30 << 30 << QRect(0, 0, 30, 0) << QRect(10, 0, 10, 10);
    QTest::newRow("empty range, left") << 2 << 30 << 30 << 30 << QRect(109, 0, 0, 30) << QRect(100, 10, 10, 10);
    QTest::newRow("empty range, up") << 3 << 30 << 30 << 30 << QRect(0, 109, 30, 0) << QRect(10, 100, 10, 10);
}

void TestSliders::geometryFollowsValue()
{
    QFETCH(int, direction);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(QRect, active);
    QFETCH(QRect, thumb);
    QWidget parent;
    auto *slider = new PixmapSlider(&parent);
    slider->setGeometry(QRect(30, 40, 0, 0) + (direction % 2 ? QMargins(0, 0, 30, 110) : QMargins(0, 0, 110, 30)));
    slider->setThumbSize(10, 10);
    slider->setDirection(direction);
    slider->updateGeometry();
    slider->setMinimum(min);
    slider->setMaximum(max);
    slider->setValue(value, false);
    // No paint in between: the thumb's anchor follows the new value at once.
    QCOMPARE(slider->thumbAnchor(), QPoint(30, 40) + thumb.bottomLeft());
    slider->updateGeometry();
    QCOMPARE(slider->grooveRect(), slider->rect());
    QCOMPARE(slider->activeRect(), active);
    QCOMPARE(slider->thumbRect(), thumb);
}

void TestSliders::paintingShowsGrooveActivePartAndThumb_data()
{
    QTest::addColumn<QSize>("thumb");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("thumbPicture");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QRgb>>("colours");
    // 220 x 40 at 50: the thumb spans x 95..124, the active groove lies before it.
    QTest::newRow("thumb over both grooves") << QSize(30, 30) << 100 << kThumbNormal
                                             << QList<QPoint>{{40, 20}, {110, 20}, {180, 20}}
                                             << QList<QRgb>{kActive, kWhite, kGroove};
    QTest::newRow("no thumb picture") << QSize(30, 30) << 100 << "" << QList<QPoint>{{110, 20}} << QList<QRgb>{kGroove};
    QTest::newRow("empty range: thumb at the start, no active part")
        << QSize(10, 10) << 0 << kThumbNormal << QList<QPoint>{{5, 20}, {60, 20}} << QList<QRgb>{kWhite, kGroove};
    // Far beyond the slider (a page file reaches both): a scaled copy of the
    // picture this large cannot be made, yet the middle of it must show.
    QTest::newRow("very wide thumb") << QSize(100000000, 30) << 100 << kThumbNormal << QList<QPoint>{{110, 20}}
                                     << QList<QRgb>{kWhite};
    QTest::newRow("thumb of the largest widget size") << QSize(16777215, 16777215) << 100 << kThumbNormal
                                                      << QList<QPoint>{{110, 20}} << QList<QRgb>{kWhite};
}

void TestSliders::paintingShowsGrooveActivePartAndThumb()
{
    QFETCH(QSize, thumb);
    QFETCH(int, max);
    QFETCH(QString, thumbPicture);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QRgb>, colours);
    PixmapSlider slider;
    slider.resize(220, 40);
    slider.setThumbSize(thumb.width(), thumb.height());
    slider.setGroovePixmaps(kGrooveNormal, kGrooveActive);
    slider.setThumbPixmaps(thumbPicture, kThumbActive);
    slider.setMaximum(max);
    slider.setValue(50, false);
    QCOMPARE(slider.normalThumbPixmap().isNull(), thumbPicture.isEmpty());
    QElapsedTimer timer;
    timer.start();
    const QImage image = renderSelf(&slider);
    QVERIFY(timer.elapsed() < 5000);
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(image.pixelColor(points.at(i)).rgb(), colours.at(i));

    // Unreadable pictures give none, and painting without any is safe.
    slider.setGroovePixmaps(QString(), "/no/such/picture.png");
    slider.setThumbPixmaps(QString(), QString());
    QVERIFY(slider.activeGroovePixmap().isNull());
    QCOMPARE(renderSelf(&slider).pixelColor(110, 20).alpha(), 0);
}

void TestSliders::volumeLabelFollowsANotifiedChange_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("labelPos");
    // Thumb 10 x 10; the label hangs 2 pixels under the thumb's bottom-left corner.
    QTest::newRow("right, 70") << 0 << QRect(20, 30, 110, 30) << 70 << QPoint(20 + 70, 30 + 19 + 2);
    QTest::newRow("up, 25") << 3 << QRect(10, 10, 30, 110) << 25 << QPoint(10 + 10, 10 + 75 + 9 + 2);
    // Without a parent the label stays inside the slider instead of becoming a window.
    QTest::newRow("no parent") << 0 << QRect() << 80 << QPoint(80, 21);
}

void TestSliders::volumeLabelFollowsANotifiedChange()
{
    QFETCH(int, direction);
    QFETCH(QRect, geometry);
    QFETCH(int, value);
    QFETCH(QPoint, labelPos);
    QWidget control;
    control.resize(300, 300);
    auto *volume = new AudioVolume(geometry.isNull() ? nullptr : &control);
    QWidget *window = geometry.isNull() ? static_cast<QWidget *>(volume) : &control;
    volume->setGeometry(geometry.isNull() ? QRect(0, 0, 110, 30) : geometry);
    volume->setDirection(direction);
    QLabel *label = volume->valueLabel();
    QCOMPARE(label->parentWidget(), window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // A value set from outside moves the thumb quietly.
    QSignalSpy spy(volume, SIGNAL(valueChanged(int)));
    QVERIFY(QMetaObject::invokeMethod(volume, "slotSetVal", Q_ARG(int, 30)));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!label->isVisible());

    volume->setValue(value, true);
    QVERIFY(label->isVisible() && !label->isWindow());
    QCOMPARE(label->text(), QString::number(value));
    QCOMPARE(label->pos(), labelPos);
    QCOMPARE(volume->lastValue(), value);
    // The slider takes its label along.
    QPointer<QLabel> watched = label;
    delete volume;
    QTRY_VERIFY(watched.isNull());
}

void TestSliders::attributesAndEditsReachTheSlider_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QRect>("thumb");
    QTest::addColumn<QRect>("active");
    // 220 x 40: groove 220 x 38 above the default bottom margin, travel 200.
    QTest::newRow("edit turns it") << 131 << QByteArray(R"({"direction":2})") << QByteArray(R"({"direction":0})")
                                   << QRect(100, 9, 20, 20) << QRect(0, 0, 100, 38);
    QTest::newRow("margins and thumb")
        << 157 << QByteArray(R"({"groove_margin_left":10,"groove_margin_right":10,"groove_margin_bottom":0,"thumb_h":10})")
        << QByteArray() << QRect(100, 15, 20, 10) << QRect(10, 0, 90, 40);
    // An empty range puts the thumb at the start, also when an edit closes it.
    QTest::newRow("empty range") << 157 << QByteArray(R"({"min":30,"max":30})") << QByteArray() << QRect(0, 9, 20, 20)
                                 << QRect(0, 0, 0, 38);
    QTest::newRow("edit closes the range") << 145 << QByteArray() << QByteArray(R"({"min":0,"max":0,"direction":2})")
                                           << QRect(200, 9, 20, 20) << QRect(219, 0, 0, 38);
}

void TestSliders::attributesAndEditsReachTheSlider()
{
    QFETCH(int, id);
    QFETCH(QByteArray, attributes);
    QFETCH(QByteArray, edit);
    QFETCH(QRect, thumb);
    QFETCH(QRect, active);
    QWidget page;
    page.resize(1920, 1080);
    QJsonObject object = jsonFixture(attributes.isEmpty() ? QByteArray("{}") : attributes);
    object.insert("w", 220);
    object.insert("h", 40);
    auto *control = static_cast<UIVolumeSliderControl *>(buildComposite(id, &page, object));
    if (!edit.isEmpty())
        editLikePage(control, jsonFixture(edit));
    control->layout()->activate();
    AudioVolume *slider = control->slider();
    QCOMPARE(slider->geometry(), control->rect());
    QCOMPARE(slider->valueLabel()->size(), slider->labelSize());
    slider->updateGeometry();
    QCOMPARE(slider->thumbRect(), thumb);
    QCOMPARE(slider->activeRect(), active);
}

void TestSliders::picturesLoadFromTheFileFolderAndClear()
{
    QWidget page;
    QVERIFY(writeColourPicture(m_workDir.filePath("groove.png"), Qt::blue));
    QVERIFY(writeColourPicture(m_workDir.filePath("active.png"), Qt::green));
    QVERIFY(writeColourPicture(m_workDir.filePath("thumb.png"), Qt::red));
    // Only the file name of a stored path counts; sizes follow the edit zoom.
    auto *control = static_cast<UIVolumeSliderControl *>(buildComposite(
        145, &page,
        jsonFixture(R"({"w":220,"h":40,"normal_groove_pic":"D:\\old\\groove.png","active_groove_pic":"active.png",
                        "normal_thumb_pic":"/x/thumb.png","label_w":24,"thumb_press_h":30,"min":-10})"),
        0.5));
    AudioVolume *slider = control->slider();
    QCOMPARE(slider->labelSize(), QSize(12, 6));
    QCOMPARE(slider->minimum(), -10);
    QVERIFY(!slider->normalGroovePixmap().isNull() && !slider->normalThumbPixmap().isNull());
    QVERIFY(slider->activeThumbPixmap().isNull());

    // An empty groove picture clears it; the active one is re-read and kept.
    editLikePage(control, jsonFixture(R"({"normal_groove_pic":"","thumb_w":50,"max":60})"));
    QVERIFY(slider->normalGroovePixmap().isNull());
    QVERIFY(!slider->activeGroovePixmap().isNull());
    QCOMPARE(slider->thumbSize().width(), 25);
    // A range edit reads the other end from the object.
    QCOMPARE(slider->minimum(), -10);
    QCOMPARE(slider->maximum(), 60);
}

void TestSliders::slidersLeaveTheSharedPixmapCacheAlone()
{
    // Every picture Qt caches for the program would otherwise be drawn again
    // on every paint once a page holds a slider.
    const int limit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(4321);
    QWidget page;
    PixmapSlider slider(&page);
    AudioVolume volume(&page);
    QVERIFY(buildComposite(145, &page, jsonFixture(R"({"w":200,"h":40})")));
    const int after = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(limit);
    QCOMPARE(after, 4321);
}

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
