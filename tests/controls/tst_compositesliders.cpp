#include "controls/audiovolume.h"
#include "controls/compositecontrols.h"
#include "controls/uivolumeslidercontrol.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QImage>
#include <QLayout>
#include <QtTest>

#include <memory>

namespace {

UIVolumeSliderControl *makeSlider(int typeId, QWidget *page, const QJsonObject &attributes, double zoom = 1.0)
{
    auto *control = static_cast<UIVolumeSliderControl *>(buildComposite(typeId, page, attributes, zoom));
    control->layout()->activate();
    return control;
}

} // namespace

class TestCompositeSliders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sliderFillsTheControl_data();
    void sliderFillsTheControl();
    void thumbSitsAtFiftyFromTheAttributes_data();
    void thumbSitsAtFiftyFromTheAttributes();
    void sizesFollowTheEditZoom();
    void rangeEditReadsTheOtherEndFromTheObject();
    void emptyRangePlacesTheThumbAtTheStart();
    void stepGivenAsStringStaysOne();
    void picturesLoadFromTheFileFolderAndClear();
    void directionEditTurnsTheSlider();

private:
    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<QWidget> m_page;
};

void TestCompositeSliders::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    m_page.reset(new QWidget);
    m_page->resize(1920, 1080);
}

void TestCompositeSliders::cleanup()
{
    m_page.reset();
    m_workDir.reset();
    GlobalManager::resetInstance();
}

void TestCompositeSliders::sliderFillsTheControl_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("audio volume") << 145;
    QTest::newRow("command slider") << 131;
    QTest::newRow("media progress") << 157;
}

void TestCompositeSliders::sliderFillsTheControl()
{
    QFETCH(int, id);
    UIVolumeSliderControl *control = makeSlider(id, m_page.get(), jsonFixture(R"({"w":300,"h":40})"));
    AudioVolume *slider = control->slider();
    QVERIFY(slider);
    QCOMPARE(slider->parentWidget(), control);
    QCOMPARE(slider->geometry(), control->rect());
    QCOMPARE(slider->valueLabel()->size(), slider->labelSize());
}

void TestCompositeSliders::thumbSitsAtFiftyFromTheAttributes_data()
{
    QTest::addColumn<QJsonObject>("attributes");
    QTest::addColumn<QRect>("groove");
    QTest::addColumn<QRect>("thumb");
    QTest::addColumn<QRect>("active");
    // The slider's own test covers the geometry; here the attributes reach it.
    // 220 x 40, groove 220 x 38 above the default bottom margin, travel 200.
    QTest::newRow("right to left") << jsonFixture(R"({"w":220,"h":40,"direction":2})") << QRect(0, 0, 220, 38)
                                   << QRect(100, 9, 20, 20) << QRect(119, 0, 100, 38);
    QTest::newRow("top to bottom") << jsonFixture(R"({"w":40,"h":222,"direction":1})") << QRect(0, 0, 40, 220)
                                   << QRect(10, 100, 20, 20) << QRect(0, 0, 40, 100);
    QTest::newRow("margins") << jsonFixture(R"({"w":240,"h":40,"groove_margin_left":10,"groove_margin_right":10,"groove_margin_bottom":0,"thumb_w":20,"thumb_h":10})")
                             << QRect(10, 0, 220, 40) << QRect(110, 15, 20, 10) << QRect(10, 0, 100, 40);
}

void TestCompositeSliders::thumbSitsAtFiftyFromTheAttributes()
{
    QFETCH(QJsonObject, attributes);
    QFETCH(QRect, groove);
    QFETCH(QRect, thumb);
    QFETCH(QRect, active);
    AudioVolume *slider = makeSlider(145, m_page.get(), attributes)->slider();
    slider->updateGeometry();
    QCOMPARE(slider->grooveRect(), groove);
    QCOMPARE(slider->thumbRect(), thumb);
    QCOMPARE(slider->activeRect(), active);
}

void TestCompositeSliders::sizesFollowTheEditZoom()
{
    UIVolumeSliderControl *control = makeSlider(
        145, m_page.get(),
        jsonFixture(R"({"w":300,"h":40,"label_w":24,"label_h":20,"thumb_w":25,"thumb_press_h":30,"groove_margin_top":5,"min":-10,"max":10})"),
        0.6);
    AudioVolume *slider = control->slider();
    QCOMPARE(slider->labelSize(), QSize(14, 12));
    QCOMPARE(slider->valueLabel()->size(), QSize(14, 12));
    QCOMPARE(slider->thumbSize(), QSize(15, 12));
    QCOMPARE(slider->pressedThumbSize(), QSize(12, 18));
    QCOMPARE(slider->grooveMargins(), QMargins(0, 3, 0, 1));
    // Ranges are values, not lengths.
    QCOMPARE(slider->minimum(), -10);
    QCOMPARE(slider->maximum(), 10);

    // An edit scales the same way.
    editLikePage(control, jsonFixture(R"({"thumb_h":50})"));
    QCOMPARE(slider->thumbSize(), QSize(15, 30));
    editLikePage(control, jsonFixture(R"({"label_w":40})"));
    QCOMPARE(slider->labelSize(), QSize(24, 12));
}

void TestCompositeSliders::rangeEditReadsTheOtherEndFromTheObject()
{
    UIVolumeSliderControl *control = makeSlider(131, m_page.get(), jsonFixture(R"({"w":300,"h":40,"max":60})"));
    editLikePage(control, jsonFixture(R"({"min":20})"));
    QCOMPARE(control->slider()->minimum(), 20);
    QCOMPARE(control->slider()->maximum(), 60);

    UIVolumeSliderControl *noMax = makeSlider(131, m_page.get(), jsonFixture(R"({"w":300,"h":40})"));
    noMax->slider()->setMaximum(77);
    editLikePage(noMax, jsonFixture(R"({"min":5})"));
    QCOMPARE(noMax->slider()->maximum(), 100);
    // The value is not clamped again when the range moves.
    QCOMPARE(noMax->slider()->value(), 50);
}

void TestCompositeSliders::emptyRangePlacesTheThumbAtTheStart()
{
    // The slider's own test covers every direction; here the control's way in.
    UIVolumeSliderControl *control = makeSlider(157, m_page.get(), jsonFixture(R"({"w":220,"h":40,"min":30,"max":30})"));
    AudioVolume *slider = control->slider();
    QCOMPARE(slider->minimum(), 30);
    QCOMPARE(slider->maximum(), 30);
    slider->updateGeometry();
    QCOMPARE(slider->thumbRect(), QRect(0, 9, 20, 20));
    QCOMPARE(slider->activeRect().width(), 0);

    // The same through an edit that closes the range.
    editLikePage(control, jsonFixture(R"({"min":0,"max":0,"direction":2})"));
    slider->updateGeometry();
    QCOMPARE(slider->thumbRect(), QRect(200, 9, 20, 20));
}

void TestCompositeSliders::stepGivenAsStringStaysOne()
{
    UIVolumeSliderControl *control = makeSlider(145, m_page.get(), jsonFixture(R"({"w":300,"h":40,"step":5})"));
    QCOMPARE(control->slider()->step(), 5);
    control->applyAttributes(jsonFixture(R"({"step":"3"})"));
    QCOMPARE(control->slider()->step(), 1);
    control->applyAttributes(jsonFixture(R"({"thumb_w":"wide"})"));
    QCOMPARE(control->slider()->thumbSize(), QSize(20, 20));
}

void TestCompositeSliders::picturesLoadFromTheFileFolderAndClear()
{
    QVERIFY(writeColourPicture(m_workDir->filePath("groove.png"), Qt::blue));
    QVERIFY(writeColourPicture(m_workDir->filePath("active.png"), Qt::green));
    QVERIFY(writeColourPicture(m_workDir->filePath("thumb.png"), Qt::red));
    // Only the file name of a stored path counts.
    UIVolumeSliderControl *control = makeSlider(
        145, m_page.get(),
        jsonFixture(R"({"w":220,"h":40,"normal_groove_pic":"D:\\old\\groove.png","active_groove_pic":"active.png","normal_thumb_pic":"/x/thumb.png"})"));
    AudioVolume *slider = control->slider();
    QVERIFY(!slider->normalGroovePixmap().isNull());
    QVERIFY(!slider->activeGroovePixmap().isNull());
    QVERIFY(!slider->normalThumbPixmap().isNull());
    QVERIFY(slider->activeThumbPixmap().isNull());

    QImage image(slider->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    slider->render(&image);
    QCOMPARE(image.pixelColor(50, 2), QColor(Qt::green));
    QCOMPARE(image.pixelColor(110, 19), QColor(Qt::red));
    QCOMPARE(image.pixelColor(180, 2), QColor(Qt::blue));

    // An empty groove picture clears it; the active one is re-read and kept.
    editLikePage(control, jsonFixture(R"({"normal_groove_pic":""})"));
    QVERIFY(slider->normalGroovePixmap().isNull());
    QVERIFY(!slider->activeGroovePixmap().isNull());
    QVERIFY(!slider->normalThumbPixmap().isNull());
}

void TestCompositeSliders::directionEditTurnsTheSlider()
{
    UIVolumeSliderControl *control = makeSlider(145, m_page.get(), jsonFixture(R"({"w":220,"h":40,"direction":2})"));
    QCOMPARE(control->slider()->direction(), 2);
    editLikePage(control, jsonFixture(R"({"direction":0})"));
    QCOMPARE(control->slider()->direction(), 0);
    control->slider()->updateGeometry();
    QCOMPARE(control->slider()->thumbRect(), QRect(100, 9, 20, 20));
    // A move leaves the slider alone.
    editLikePage(control, jsonFixture(R"({"x":5,"direction":0})"));
    QCOMPARE(control->slider()->direction(), 0);
}

QTEST_MAIN(TestCompositeSliders)
#include "tst_compositesliders.moc"
