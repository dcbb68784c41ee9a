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
    void volumeLabelFollowsANotifiedChange();

    void attributesAndEditsReachTheSlider_data();
    void attributesAndEditsReachTheSlider();
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
    QTest::newRow("empty range, left") << 2 << 30 << 30 << 30 << QRect(109, 0, 0, 30) << QRect(100, 10, 10, 10);
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

}

void TestSliders::volumeLabelFollowsANotifiedChange()
{
    QWidget control;
    control.resize(300, 300);
    auto *volume = new AudioVolume(&control);
    volume->setGeometry(20, 30, 110, 30);
    QLabel *label = volume->valueLabel();
    QCOMPARE(label->parentWidget(), &control);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    // A value set from outside moves the thumb quietly.
    QSignalSpy spy(volume, SIGNAL(valueChanged(int)));
    QVERIFY(QMetaObject::invokeMethod(volume, "slotSetVal", Q_ARG(int, 30)));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!label->isVisible());
    // Thumb 10 x 10; the label hangs 2 pixels under the thumb's bottom-left corner.
    volume->setValue(70, true);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QString("70"));
    QCOMPARE(label->pos(), QPoint(20 + 70, 30 + 19 + 2));
    // The slider takes its label along.
    const QPointer<QLabel> watched = label;
    delete volume;
    QTRY_VERIFY(watched.isNull());

    // Without a parent the label stays inside the slider instead of becoming a window.
    AudioVolume lone;
    lone.resize(110, 30);
    lone.setValue(80, true);
    QCOMPARE(lone.valueLabel()->parentWidget(), &lone);
    QVERIFY(!lone.valueLabel()->isWindow());
    QCOMPARE(lone.valueLabel()->pos(), QPoint(80, 21));
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
