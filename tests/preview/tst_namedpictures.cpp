#include "canvas/uipage.h"
#include "preview/expagewidget.h"
#include "shell/imglabel.h"
#include "tests/canvas/pagefixture.h"

#include <memory>

using namespace pagefixture;

// Every place that loads a picture a page, a control or the user names, on
// the canvas, in the preview and in the image dialog: a FIFO under that name
// would make Qt's loading wait for a writer for ever.
namespace {

enum Host { Canvas, Preview, ImageDialog };
// What the user does to the control before it is looked at.
enum Act { Look, Press, Click };

const QColor kPicture(0, 200, 0);

} // namespace

class TestNamedPictures : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_workDir.reset(new TestWorkDir);
        QVERIFY(writeColourPicture(m_workDir->filePath("green.png"), kPicture));
        QVERIFY(makeSpecialFile(m_workDir->filePath("fifo.png"), "fifo"));
    }
    void cleanup()
    {
        m_workDir.reset();
        GlobalManager::resetInstance();
        flushDeletes();
    }

    void fifoAsPictureShowsAsNoPicture_data();
    void fifoAsPictureShowsAsNoPicture();

private:
    // What the host shows of a page holding the control (or of the page
    // itself) whose key names the picture file, after the act.
    QImage shown(int host, const QString &type, const QString &key, int act, const QString &picture);

    std::unique_ptr<TestWorkDir> m_workDir;
};

void TestNamedPictures::fifoAsPictureShowsAsNoPicture_data()
{
    QTest::addColumn<int>("host");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("act");
    // One row per place that loads the picture.
    QTest::newRow("canvas: page background") << int(Canvas) << "Page" << "normal_image_path" << int(Look);
    QTest::newRow("canvas: control background") << int(Canvas) << "ImageLabel" << "normal_image_path" << int(Look);
    QTest::newRow("canvas: matrix header cell") << int(Canvas) << "AudioMatrixWidget" << "item_normal_image_path"
                                                << int(Look);
    QTest::newRow("canvas: table corner") << int(Canvas) << "AudioMatrixWidget" << "corner_normal_image_path"
                                          << int(Look);
    // The designer's slider never draws its pressed thumb.
    for (const char *key : {"normal_groove_pic", "active_groove_pic", "normal_thumb_pic"})
        QTest::addRow("canvas: picture slider, %s", key) << int(Canvas) << "AudioVolumeWidget" << key << int(Look);
    // A press moves the thumb to the middle: the groove's active part and the
    // pressed thumb show.
    for (const char *key : {"normal_groove_pic", "active_groove_pic", "normal_thumb_pic", "active_thumb_pic"})
        QTest::addRow("preview: picture slider, %s", key)
            << int(Preview) << "AudioVolumeWidget" << key << int(QByteArray(key).startsWith("active") ? Press : Look);
    QTest::newRow("preview: page background") << int(Preview) << "Page" << "normal_image_path" << int(Look);
    QTest::newRow("preview: button") << int(Preview) << "CmdButton" << "normal_image_path" << int(Look);
    QTest::newRow("preview: pressed button") << int(Preview) << "CmdButton" << "press_image_path" << int(Press);
    QTest::newRow("preview: status button off") << int(Preview) << "AudioButton" << "press_image_path" << int(Look);
    QTest::newRow("preview: status button on") << int(Preview) << "AudioButton" << "normal_image_path" << int(Click);
    QTest::newRow("preview: picture label") << int(Preview) << "ImageLabel" << "normal_image_path" << int(Look);
    QTest::newRow("preview: text label") << int(Preview) << "Label" << "normal_image_path" << int(Look);
    QTest::newRow("preview: matrix header") << int(Preview) << "AudioMatrixWidget" << "item_normal_image_path"
                                            << int(Look);
    QTest::newRow("preview: table corner") << int(Preview) << "AudioMatrixWidget" << "corner_normal_image_path"
                                           << int(Look);
    QTest::newRow("preview: wall") << int(Preview) << "VirWall" << "normal_image_path" << int(Look);
    QTest::newRow("image dialog: picture") << int(ImageDialog) << "" << "" << int(Look);
}

void TestNamedPictures::fifoAsPictureShowsAsNoPicture()
{
    QFETCH(int, host);
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(int, act);
    // The row reaches the loading: a regular picture shows.
    QVERIFY(countNear(shown(host, type, key, act, "green.png"), kPicture, 10) > 0);
    const QImage none = shown(host, type, key, act, "missing.png");
    QImage fifo;
    {
        const ReadWatchdog watchdog;
        fifo = shown(host, type, key, act, "fifo.png");
    }
    QCOMPARE(fifo, none);
    QCOMPARE(countNear(fifo, kPicture, 10), 0);
}

QImage TestNamedPictures::shown(int host, const QString &type, const QString &key, int act, const QString &picture)
{
    if (host == ImageDialog) {
        ImgLabel label;
        label.resize(200, 100);
        label.setImage(m_workDir->filePath(picture));
        return renderSelf(&label);
    }
    QJsonObject page = pageObject(1000, 600);
    QJsonObject control = pagefixture::control(type, "Shown_1", 20, 20, 400, 300);
    (type == "Page" ? page : control).insert(key, picture);
    const QString path = m_workDir->filePath("home.json");
    if (!writePage(path, type == "Page" ? QJsonArray{page} : QJsonArray{control, page}))
        return QImage();

    std::unique_ptr<QWidget> view;
    QWidget *target = nullptr;
    if (host == Canvas) {
        auto *canvas = new UIPage;
        view.reset(canvas);
        if (canvas->openPage(info(m_workDir->path(), "home")) != UIPage::LoadOk)
            return QImage();
        const int kind = canvas->typeId(type);
        target = kind == UIPage::kPageTypeId ? canvas : canvas->findControl(kind, "Shown_1");
    } else {
        view.reset(new ExPageWidget(1, path));
        view->resize(1000, 600);
    }
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        return QImage();
    // The preview reads its page as it is first laid out; the page's one
    // control, if any, is its first element.
    if (host == Preview) {
        const QVector<CtrlElement> &elements = static_cast<ExPageWidget *>(view.get())->elements();
        target = elements.isEmpty() ? view.get() : elements.first().widget;
    }
    if (!target)
        return QImage();
    const QPoint centre = target->rect().center();
    if (act == Press)
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, centre);
    else if (act == Click)
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, centre);
    const QImage image = renderSelf(view.get());
    if (act == Press)
        QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, centre);
    return image;
}

QTEST_MAIN(TestNamedPictures)
#include "tst_namedpictures.moc"
