#include "controls/audiovolume.h"
#include "controls/compositecontrols.h"
#include "controls/uivolumeslidercontrol.h"
#include "core/globalmanager.h"
#include "tests/testsupport.h"

#include <QImage>
#include <QJsonDocument>
#include <QLayout>
#include <QtTest>

#include <memory>

namespace {

QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

UIVolumeSliderControl *makeSlider(int typeId, QWidget *page, const QJsonObject &attributes, double zoom = 1.0)
{
    auto *control = static_cast<UIVolumeSliderControl *>(createCompositeControl(typeId, page));
    control->setFileDir(QDir::currentPath());
    control->setScaleValue(zoom);
    control->setAttributes(attributes, true, false);
    control->buildLayout();
    control->layout()->activate();
    return control;
}

void applyEdit(UIBase *control, const QJsonObject &edit)
{
    control->setAttributes(edit, true, false);
    control->applyAttributes(edit);
}

bool writePicture(const QString &path, const QColor &colour)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path);
}

} // namespace

class TestCompositeSliders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sliderFillsTheControlWithDefaults_data();
    void sliderFillsTheControlWithDefaults();
    void thumbSitsAtFiftyInEveryDirection_data();
    void thumbSitsAtFiftyInEveryDirection();
    void sizesFollowTheEditZoom();
    void rangeEditReadsTheOtherEndFromTheObject();
    void emptyRangePlacesTheThumbAtTheStart_data();
    void emptyRangePlacesTheThumbAtTheStart();
    void stepGivenAsStringStaysOne();
    void picturesLoadFromTheFileFolderAndClear();
    void directionEditTurnsTheSlider();
    void valueLabelStaysHiddenOnTheCanvas();
    void secondBuildKeepsOneSlider();

private:
    TestWorkDir *m_workDir = nullptr;
    std::unique_ptr<QWidget> m_page;
};

void TestCompositeSliders::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_page.reset(new QWidget);
    m_page->resize(1920, 1080);
}

void TestCompositeSliders::cleanup()
{
    m_page.reset();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

void TestCompositeSliders::sliderFillsTheControlWithDefaults_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("audio volume") << 145;
    QTest::newRow("command slider") << 131;
    QTest::newRow("media progress") << 157;
}

void TestCompositeSliders::sliderFillsTheControlWithDefaults()
{
    QFETCH(int, id);
    UIVolumeSliderControl *control = makeSlider(id, m_page.get(), parse(R"({"w":300,"h":40})"));
    AudioVolume *slider = control->slider();
    QVERIFY(slider);
    QCOMPARE(slider->parentWidget(), control);
    QCOMPARE(slider->geometry(), control->rect());
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 100);
    QCOMPARE(slider->step(), 1);
    QCOMPARE(slider->value(), 50);
    QCOMPARE(slider->labelSize(), QSize(24, 12));
    QCOMPARE(slider->valueLabel()->size(), QSize(24, 12));
    QCOMPARE(slider->thumbSize(), QSize(20, 20));
    QCOMPARE(slider->pressedThumbSize(), QSize(20, 20));
    QCOMPARE(slider->grooveMargins(), QMargins(0, 0, 0, 2));
    QVERIFY(slider->normalGroovePixmap().isNull());
}

void TestCompositeSliders::thumbSitsAtFiftyInEveryDirection_data()
{
    QTest::addColumn<QJsonObject>("attributes");
    QTest::addColumn<QRect>("groove");
    QTest::addColumn<QRect>("thumb");
    QTest::addColumn<QRect>("active");
    // 220 x 40, groove 220 x 38, travel 200, p 100.
    QTest::newRow("left to right") << parse(R"({"w":220,"h":40})") << QRect(0, 0, 220, 38)
                                   << QRect(100, 9, 20, 20) << QRect(0, 0, 100, 38);
    QTest::newRow("right to left") << parse(R"({"w":220,"h":40,"direction":2})") << QRect(0, 0, 220, 38)
                                   << QRect(100, 9, 20, 20) << QRect(119, 0, 100, 38);
    // 40 x 222, groove 40 x 220, travel 200, p 100.
    QTest::newRow("top to bottom") << parse(R"({"w":40,"h":222,"direction":1})") << QRect(0, 0, 40, 220)
                                   << QRect(10, 100, 20, 20) << QRect(0, 0, 40, 100);
    QTest::newRow("bottom to top") << parse(R"({"w":40,"h":222,"direction":3})") << QRect(0, 0, 40, 220)
                                   << QRect(10, 100, 20, 20) << QRect(0, 119, 40, 100);
    QTest::newRow("margins") << parse(R"({"w":240,"h":40,"groove_margin_left":10,"groove_margin_right":10,"groove_margin_bottom":0,"thumb_w":20,"thumb_h":10})")
                             << QRect(10, 0, 220, 40) << QRect(110, 15, 20, 10) << QRect(10, 0, 100, 40);
}

void TestCompositeSliders::thumbSitsAtFiftyInEveryDirection()
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
        parse(R"({"w":300,"h":40,"label_w":24,"label_h":20,"thumb_w":25,"thumb_press_h":30,"groove_margin_top":5,"min":-10,"max":10})"),
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
    applyEdit(control, parse(R"({"thumb_h":50})"));
    QCOMPARE(slider->thumbSize(), QSize(15, 30));
    applyEdit(control, parse(R"({"label_w":40})"));
    QCOMPARE(slider->labelSize(), QSize(24, 12));
}

void TestCompositeSliders::rangeEditReadsTheOtherEndFromTheObject()
{
    UIVolumeSliderControl *control = makeSlider(131, m_page.get(), parse(R"({"w":300,"h":40,"max":60})"));
    applyEdit(control, parse(R"({"min":20})"));
    QCOMPARE(control->slider()->minimum(), 20);
    QCOMPARE(control->slider()->maximum(), 60);

    UIVolumeSliderControl *noMax = makeSlider(131, m_page.get(), parse(R"({"w":300,"h":40})"));
    noMax->slider()->setMaximum(77);
    applyEdit(noMax, parse(R"({"min":5})"));
    QCOMPARE(noMax->slider()->maximum(), 100);
    // The value is not clamped again when the range moves.
    QCOMPARE(noMax->slider()->value(), 50);
}

void TestCompositeSliders::emptyRangePlacesTheThumbAtTheStart_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("thumb");
    QTest::newRow("left to right") << 0 << QRect(0, 9, 20, 20);
    QTest::newRow("right to left") << 2 << QRect(200, 9, 20, 20);
}

void TestCompositeSliders::emptyRangePlacesTheThumbAtTheStart()
{
    QFETCH(int, direction);
    QFETCH(QRect, thumb);
    QJsonObject attributes = parse(R"({"w":220,"h":40,"min":30,"max":30})");
    attributes.insert("direction", direction);
    UIVolumeSliderControl *control = makeSlider(157, m_page.get(), attributes);
    AudioVolume *slider = control->slider();
    QCOMPARE(slider->minimum(), 30);
    QCOMPARE(slider->maximum(), 30);
    slider->updateGeometry();
    QCOMPARE(slider->thumbRect(), thumb);
    QCOMPARE(slider->activeRect().width(), 0);
    // Painting with the empty range draws too (no division by zero).
    QImage image(slider->size(), QImage::Format_ARGB32_Premultiplied);
    slider->render(&image);

    // The same through an edit that closes the range.
    applyEdit(control, parse(R"({"min":0,"max":0})"));
    slider->updateGeometry();
    QCOMPARE(slider->thumbRect(), thumb);
}

void TestCompositeSliders::stepGivenAsStringStaysOne()
{
    UIVolumeSliderControl *control = makeSlider(145, m_page.get(), parse(R"({"w":300,"h":40,"step":5})"));
    QCOMPARE(control->slider()->step(), 5);
    control->applyAttributes(parse(R"({"step":"3"})"));
    QCOMPARE(control->slider()->step(), 1);
    control->applyAttributes(parse(R"({"thumb_w":"wide"})"));
    QCOMPARE(control->slider()->thumbSize(), QSize(20, 20));
}

void TestCompositeSliders::picturesLoadFromTheFileFolderAndClear()
{
    QVERIFY(writePicture(m_workDir->filePath("groove.png"), Qt::blue));
    QVERIFY(writePicture(m_workDir->filePath("active.png"), Qt::green));
    QVERIFY(writePicture(m_workDir->filePath("thumb.png"), Qt::red));
    // Only the file name of a stored path counts.
    UIVolumeSliderControl *control = makeSlider(
        145, m_page.get(),
        parse(R"({"w":220,"h":40,"normal_groove_pic":"D:\\old\\groove.png","active_groove_pic":"active.png","normal_thumb_pic":"/x/thumb.png"})"));
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
    applyEdit(control, parse(R"({"normal_groove_pic":""})"));
    QVERIFY(slider->normalGroovePixmap().isNull());
    QVERIFY(!slider->activeGroovePixmap().isNull());
    QVERIFY(!slider->normalThumbPixmap().isNull());
}

void TestCompositeSliders::directionEditTurnsTheSlider()
{
    UIVolumeSliderControl *control = makeSlider(145, m_page.get(), parse(R"({"w":220,"h":40,"direction":2})"));
    QCOMPARE(control->slider()->direction(), 2);
    applyEdit(control, parse(R"({"direction":0})"));
    QCOMPARE(control->slider()->direction(), 0);
    control->slider()->updateGeometry();
    QCOMPARE(control->slider()->thumbRect(), QRect(100, 9, 20, 20));
    // A move leaves the slider alone.
    applyEdit(control, parse(R"({"x":5,"direction":0})"));
    QCOMPARE(control->slider()->direction(), 0);
}

void TestCompositeSliders::valueLabelStaysHiddenOnTheCanvas()
{
    UIVolumeSliderControl *control = makeSlider(145, m_page.get(), parse(R"({"w":220,"h":40})"));
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    AudioVolume *slider = control->slider();
    QVERIFY(!slider->valueLabel()->isVisible());
    slider->slotSetVal(30);
    QCOMPARE(slider->value(), 30);
    QVERIFY(!slider->valueLabel()->isVisible());
    // A notified change shows the value under the thumb, in the control.
    slider->setValue(70, true);
    QVERIFY(slider->valueLabel()->isVisible());
    QCOMPARE(slider->valueLabel()->text(), QString("70"));
    QCOMPARE(slider->valueLabel()->parentWidget(), control);
    slider->updateGeometry();
    QCOMPARE(slider->valueLabel()->pos(), slider->mapToParent(slider->thumbRect().bottomLeft()) + QPoint(0, 2));
}

void TestCompositeSliders::secondBuildKeepsOneSlider()
{
    UIVolumeSliderControl *control = makeSlider(145, m_page.get(), parse(R"({"w":220,"h":40})"));
    AudioVolume *slider = control->slider();
    control->buildLayout();
    QCOMPARE(control->slider(), slider);
    QCOMPARE(control->findChildren<AudioVolume *>().size(), 1);
}

QTEST_MAIN(TestCompositeSliders)
#include "tst_compositesliders.moc"
