#include "preview/expagewidget.h"
#include "tests/canvas/pagefixture.h"

#include <QImage>

using namespace pagefixture;

// A page designed at 1920 x 1080 with one control of every kind the preview
// builds so far, previewed at the same size, must put each control where the
// designer shows it, in the same colour.
class TestPreviewShot : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(1920, 1080)); }
    void cleanup() { f.tearDown(); }

    void previewMatchesDesignAtFullSize();

private:
    PageFixture f;
};

void TestPreviewShot::previewMatchesDesignAtFullSize()
{
    GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    const QStringList kinds{"ImageLabel", "Label", "AudioLabel", "HomeButton", "CmdButton", "CmdRelativeButton",
                            "PageButton", "FeatureButton", "OpenUrlButton", "OpenProcessButton", "ToTopButton",
                            "BackgroundImageButton", "FilePageTurnButton", "PtzButton", "VideoResetButton",
                            "KvmButton", "MuxFeatureButton", "MeetingButton"};
    QVERIFY(writeColourPicture(f.workDir->filePath("art.png"), QColor(230, 160, 20)));
    QJsonArray controls{pageObject(1920, 1080)};
    for (int i = 0; i < kinds.size(); ++i) {
        QJsonObject object = control(kinds.at(i), kinds.at(i) + QStringLiteral("_0"), 60 + (i % 6) * 300,
                                     80 + (i / 6) * 300, 240, 120 + (i % 3) * 30);
        object.insert(QStringLiteral("text"), kinds.at(i));
        object.insert(QStringLiteral("fontsize"), 22);
        object.insert(QStringLiteral("normalColor"), QStringLiteral("#ffffffff"));
        object.insert(QStringLiteral("normalBkColor"), QColor::fromHsv(i * 20, 160, 200).name(QColor::HexArgb));
        if (kinds.at(i) == QLatin1String("ImageLabel"))
            object.insert(QStringLiteral("normal_image_path"), QStringLiteral("D:/art/art.png"));
        controls.append(object);
    }
    const QString path = f.workDir->filePath(QStringLiteral("preview.json"));
    QVERIFY(writePage(path, controls));

    UIPage design;
    QCOMPARE(design.openPage(info(f.workDir->path(), QStringLiteral("preview"))), UIPage::LoadOk);
    design.setEditScale(QStringLiteral("editScale"), 1.0, true);
    const QImage designed = design.grab().toImage();

    ExPageWidget host(1, path);
    host.resize(1920, 1080);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage previewed = host.grab().toImage();
    QVERIFY(saveGrabIfAsked(designed, QStringLiteral("preview_design.png")));
    QVERIFY(saveGrabIfAsked(previewed, QStringLiteral("preview_runtime.png")));

    QCOMPARE(previewed.size(), designed.size());
    QCOMPARE(previewed.pixelColor(5, 5), designed.pixelColor(5, 5));
    QCOMPARE(host.elements().size(), kinds.size());
    for (const CtrlElement &element : host.elements()) {
        const QString kind = element.name.section(QLatin1Char('_'), 0, 0);
        const UIBase *original = design.findControl(designControlTypeId(kind), element.name);
        QVERIFY2(original, qPrintable(element.name));
        QCOMPARE(element.widget->geometry(), original->geometry());
        // A corner inside the designer's outline and away from the centred text.
        const QPoint inside = original->geometry().topLeft() + QPoint(6, 6);
        QVERIFY2(previewed.pixelColor(inside) == designed.pixelColor(inside), qPrintable(element.name));
    }
}

QTEST_MAIN(TestPreviewShot)
#include "tst_previewshot.moc"
