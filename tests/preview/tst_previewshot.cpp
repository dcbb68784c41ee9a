#include "preview/expagewidget.h"
#include "preview/expoppagewidget.h"
#include "preview/expoppagewidgetframe.h"
#include "tests/canvas/pagefixture.h"

#include <QImage>
#include <QPainter>

using namespace pagefixture;

namespace {

// A page object and one control of each kind, in a grid of columns, each in a
// colour of its own with its kind's name as its text.
QJsonArray colourfulPage(const QSize &design, const QStringList &kinds, int columns, const QSize &cell)
{
    QJsonArray controls{pageObject(design.width(), design.height())};
    for (int i = 0; i < kinds.size(); ++i) {
        QJsonObject object = control(kinds.at(i), kinds.at(i) + QStringLiteral("_0"),
                                     20 + (i % columns) * (cell.width() + 30), 20 + (i / columns) * (cell.height() + 60),
                                     cell.width(), cell.height() + (i % 3) * 20);
        const QString colour = QColor::fromHsv(i * 17, 160, 200).name(QColor::HexArgb);
        const QJsonObject keys{{"text", kinds.at(i)}, {"off_text", kinds.at(i)}, {"fontsize", 22},
                               {"normalColor", "#ffffffff"}, {"pressColor", "#ffffffff"}, {"normalBkColor", colour},
                               // The status buttons open in their off look.
                               {"pressBkColor", colour}, {"bgOffColor", colour}, {"sliderOffColor", colour}};
        for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
            object.insert(it.key(), it.value());
        if (kinds.at(i) == QLatin1String("ImageLabel"))
            object.insert(QStringLiteral("normal_image_path"), QStringLiteral("D:/art/art.png"));
        controls.append(object);
    }
    return controls;
}

// Each control of the host where the designer shows it, in the same colour
// inside its outline beside the text; offset places the host in the grab.
void compareWithDesign(const ExPageHost *host, const UIPage &design, const QImage &shown, const QPoint &offset)
{
    const QImage designed = const_cast<UIPage &>(design).grab().toImage();
    QCOMPARE(shown.pixelColor(offset + QPoint(5, 5)), designed.pixelColor(5, 5));
    for (const CtrlElement &element : host->elements()) {
        const QString kind = element.name.section(QLatin1Char('_'), 0, 0);
        const UIBase *original = design.findControl(designControlTypeId(kind), element.name);
        QVERIFY2(original, qPrintable(element.name));
        QCOMPARE(element.widget->geometry(), original->geometry());
        const QPoint inside = original->geometry().topLeft() + QPoint(8, original->height() / 2);
        QVERIFY2(shown.pixelColor(offset + inside) == designed.pixelColor(inside), qPrintable(element.name));
    }
}

} // namespace

// Pages previewed at their design size, and a pop-up at its own, must put
// each control where the designer shows it, in the same colour.
class TestPreviewShot : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(f.setUp(1920, 1080));
        GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    }
    void cleanup() { f.tearDown(); }

    void previewMatchesDesignAtFullSize();
    void popupShowsTargetCentredAsDesigned();

private:
    PageFixture f;
};

void TestPreviewShot::previewMatchesDesignAtFullSize()
{
    const QStringList kinds{"ImageLabel", "Label", "AudioLabel", "HomeButton", "CmdButton", "CmdRelativeButton",
                            "PageButton", "FeatureButton", "OpenUrlButton", "OpenProcessButton", "ToTopButton",
                            "BackgroundImageButton", "FilePageTurnButton", "PtzButton", "VideoResetButton",
                            "KvmButton", "MuxFeatureButton", "MeetingButton"};
    QVERIFY(writeColourPicture(f.workDir->filePath("art.png"), QColor(230, 160, 20)));
    const QString path = f.workDir->filePath(QStringLiteral("preview.json"));
    QVERIFY(writePage(path, colourfulPage(QSize(1920, 1080), kinds, 6, QSize(240, 120))));

    UIPage design;
    QCOMPARE(design.openPage(info(f.workDir->path(), QStringLiteral("preview"))), UIPage::LoadOk);
    design.setEditScale(QStringLiteral("editScale"), 1.0, true);
    ExPageWidget host(1, path);
    host.resize(1920, 1080);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage previewed = host.grab().toImage();
    QVERIFY(saveGrabIfAsked(design.grab().toImage(), QStringLiteral("preview_design.png")));
    QVERIFY(saveGrabIfAsked(previewed, QStringLiteral("preview_runtime.png")));
    QCOMPARE(previewed.size(), QSize(1920, 1080));
    QCOMPARE(host.elements().size(), kinds.size());
    compareWithDesign(&host, design, previewed, QPoint());
}

void TestPreviewShot::popupShowsTargetCentredAsDesigned()
{
    const QStringList kinds{"CleanButton", "SceneSaveButton", "PlanSaveButton", "PlanStopButton",
                            "CallPreLayoutButton", "PreLayoutModeButton", "OSDButton", "GridSettingButton",
                            "AllGridSettingButton", "MatrixDivBtn", "AudioModeButton", "SourceModeButton",
                            "SourceTurnButton", "MatrixPageBtn", "CleanAllMatrixButton", "AllFullButton",
                            "MatrixButton", "AudioButton", "VideoButton", "CmdStatusButton"};
    QVERIFY(writePage(f.workDir->filePath(QStringLiteral("pop.json")),
                      colourfulPage(QSize(960, 540), kinds, 5, QSize(150, 50))));
    QJsonObject opener = control(QStringLiteral("PageButton"), QStringLiteral("open"), 40, 40, 200, 80);
    opener.insert(QStringLiteral("func_type"), 1);
    opener.insert(QStringLiteral("goto"), QStringLiteral("pop"));
    const QString path = f.workDir->filePath(QStringLiteral("opener.json"));
    QVERIFY(writePage(path, {pageObject(1920, 1080), opener}));

    UIPage design;
    QCOMPARE(design.openPage(info(f.workDir->path(), QStringLiteral("pop"))), UIPage::LoadOk);
    design.setEditScale(QStringLiteral("editScale"), 1.0, true);
    ExPageWidget host(1, path);
    host.resize(1920, 1080);
    host.show();
    QTest::mouseClick(host.elements().first().widget, Qt::LeftButton);
    ExPopPageWidgetFrame *frame = host.popFrame();
    QVERIFY(frame && QTest::qWaitForWindowExposed(frame));
    const QImage shown = frame->grab().toImage();
    // What the user sees: the page under the nearly transparent frame.
    QImage seen = host.grab().toImage();
    QPainter(&seen).drawImage(0, 0, shown);
    QVERIFY(saveGrabIfAsked(design.grab().toImage(), QStringLiteral("popup_design.png")));
    QVERIFY(saveGrabIfAsked(seen, QStringLiteral("popup_over_page.png")));
    QCOMPARE(frame->popPage()->geometry(), QRect(480, 270, 960, 540));
    QCOMPARE(frame->popPage()->elements().size(), kinds.size());
    compareWithDesign(frame->popPage(), design, shown, QPoint(480, 270));
}

QTEST_MAIN(TestPreviewShot)
#include "tst_previewshot.moc"
