#include "tests/canvas/pagefixture.h"

#include <QImage>

using namespace pagefixture;

class TestPagePaint : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(400, 300)); }
    void cleanup() { f.tearDown(); }

    void background_data();
    void background();
    void pageWithControlsAndText();

private:
    PageFixture f;
};

void TestPagePaint::background_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QColor>("painted");
    QTest::newRow("colour") << "#ff204060" << "" << QColor(0x20, 0x40, 0x60);
    QTest::newRow("transparent colour paints white") << "#00204060" << "" << QColor(Qt::white);
    QTest::newRow("no colour paints white") << "" << "" << QColor(Qt::white);
    QTest::newRow("unreadable picture falls back to colour") << "#ff204060" << "missing.png"
                                                              << QColor(0x20, 0x40, 0x60);
    QTest::newRow("picture over colour") << "#ff204060" << "D:\\art\\bg.png" << QColor(200, 0, 0);
}

void TestPagePaint::background()
{
    QFETCH(QString, colour);
    QFETCH(QString, picture);
    QFETCH(QColor, painted);
    QVERIFY(writeColourPicture(f.workDir->filePath("bg.png"), QColor(200, 0, 0)));
    QJsonObject object = pageObject(400, 300);
    object.insert(QStringLiteral("normalBkColor"), colour);
    object.insert(QStringLiteral("normal_image_path"), picture);
    QVERIFY(writePage(f.workDir->filePath("home.json"), {object}));
    UIPage page;
    QCOMPARE(page.openPage(info(f.workDir->path(), "home")), UIPage::LoadOk);
    const QImage shown = page.grab().toImage();
    QCOMPARE(shown.size(), QSize(400, 300));
    QCOMPARE(shown.pixelColor(200, 150), painted);
}

void TestPagePaint::pageWithControlsAndText()
{
    QJsonObject object = pageObject(640, 360);
    object.insert(QStringLiteral("text"), QStringLiteral("首页"));
    object.insert(QStringLiteral("normalColor"), QStringLiteral("#ffffff00"));
    object.insert(QStringLiteral("fontsize"), 30);
    QJsonObject button = control(QStringLiteral("Button"), QStringLiteral("Button_0"), 40, 40, 160, 60);
    button.insert(QStringLiteral("text"), QStringLiteral("普通按钮"));
    button.insert(QStringLiteral("normalBkColor"), QStringLiteral("#ff2060a0"));
    button.insert(QStringLiteral("normalColor"), QStringLiteral("#ffffffff"));
    QJsonObject label = control(QStringLiteral("Label"), QStringLiteral("Label_0"), 40, 260, 200, 40);
    label.insert(QStringLiteral("text"), QStringLiteral("文本文件"));
    label.insert(QStringLiteral("normalColor"), QStringLiteral("#ffffffff"));
    QJsonObject slider = control(QStringLiteral("AudioVolumeWidget"), QStringLiteral("AudioVolumeWidget_0"), 300, 40, 300, 60);
    QVERIFY(writePage(f.workDir->filePath("home.json"), {object, button, label, slider}));
    UIPage page;
    page.openPage(info(f.workDir->path(), "home"));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTest::mouseClick(page.findControl(113, QStringLiteral("Button_0")), Qt::LeftButton);
    const QImage shown = page.grab().toImage();
    saveGrabIfAsked(shown, QStringLiteral("uipage.png"));
    QCOMPARE(shown.pixelColor(600, 340), QColor(0x18, 0x18, 0x18));
    QCOMPARE(shown.pixelColor(120, 45), QColor(0x20, 0x60, 0xa0));
    // The page text is drawn in its colour across the middle.
    bool yellow = false;
    for (int x = 250; x < 390 && !yellow; ++x) {
        for (int y = 150; y < 210 && !yellow; ++y)
            yellow = shown.pixelColor(x, y) == QColor(Qt::yellow);
    }
    QVERIFY(yellow);
}

QTEST_MAIN(TestPagePaint)
#include "tst_pagepaint.moc"
