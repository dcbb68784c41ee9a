#include "../testsupport.h"
#include "app/globalmanager.h"
#include "core/wholefile.h"
#include "wall/gridmanagerdlg.h"
#include "wall/gridvirwall.h"
#include "wallfixture.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(GridCell)

namespace {
const char kTemplateFile[] = "data_template/grid_template/zh_cn/template.json";

// A preset, a custom wall and a third that shares the preset's name.
const char kTemplates[] = R"([
    {"id": 1, "name": "同名", "standard": 1, "gridmode": 1, "walltype": 0, "row": 2, "col": 2, "rect": []},
    {"id": 2, "name": "墙二", "standard": 0, "gridmode": 0, "walltype": 1, "row": 1, "col": 1,
     "tw": 3840, "th": 2160, "rect": [{"x": 0, "y": 0, "w": 2000, "h": 2160}, {"x": 2000, "y": 0, "w": 1840, "h": 2160}]},
    {"id": 3, "name": "同名", "standard": 1, "gridmode": 0, "walltype": 0, "row": 3, "col": 3, "rect": []}
])";

QJsonArray parsedArray(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).array();
}

QJsonArray fileTemplates()
{
    return parsedArray(readFixture(kTemplateFile));
}

QVector<int> idsOf(const QJsonArray &templates)
{
    QVector<int> ids;
    for (const QJsonValue &value : templates)
        ids.append(value.toObject().value("id").toInt());
    return ids;
}

// The editor as its caller runs it, over the template file of the work folder.
struct Editor {
    GridManagerDlg dialog;
    Editor()
    {
        GlobalManager::instance()->loadGridTemplates();
        dialog.loadTemplates(GlobalManager::instance()->gridTemplates());
        dialog.show();
        settle();
    }
    QSpinBox *spin(const char *name) { return dialog.findChild<QSpinBox *>(name); }
    QTableWidget *table() { return dialog.findChild<QTableWidget *>("tableWidget"); }
    GridVirWall *canvas() { return dialog.findChild<GridVirWall *>("widget"); }
    void setSpin(const char *name, int value)
    {
        spin(name)->setValue(value);
        settle();
    }
    void press(const char *button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        settle();
    }
    void chooseRow(int row)
    {
        QTableWidgetItem *item = table()->item(row, 2);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualItemRect(item).center());
        settle();
    }
    QStringList names()
    {
        QStringList list;
        for (int row = 0; row < table()->rowCount(); ++row)
            list << table()->item(row, 2)->text();
        return list;
    }
};
} // namespace

class TestGridManagerDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadingCompletesTemplates_data();
    void loadingCompletesTemplates();
    void saveWritesTemplate_data();
    void saveWritesTemplate();
    void deleteRemovesExactlyTheChecked();
    void idBeyondTheBoxIsSavedUnderItsOwnId();
    void templateFromFileIsHeldToTheEditor_data();
    void templateFromFileIsHeldToTheEditor();
    void chosenTemplateIsSavedAsRead_data();
    void chosenTemplateIsSavedAsRead();
    void customLayoutBoxSwitchesTheWallSizeAndRegion();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void newUserBuildsAndReopensLayout();
    void cancelledNameKeepsTheLayoutToSaveAgain();
    void templatesOverTheirBoundAreNotWritten_data();
    void templatesOverTheirBoundAreNotWritten();

private:
    QScopedPointer<TestWorkDir> m_dir;
};

void TestGridManagerDlg::init()
{
    m_dir.reset(new TestWorkDir);
    writeFixture("config.ini", "[config]\nlanguage=0\n");
    writeFixture(kTemplateFile, kTemplates);
}

void TestGridManagerDlg::cleanup()
{
    GlobalManager::resetInstance();
    m_dir.reset();
}

void TestGridManagerDlg::loadingCompletesTemplates_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QVector<int>>("ids");
    QTest::addColumn<int>("nextId");
    QTest::newRow("numbered by position") << QByteArray(R"([{"name": "a"}, 5, {"name": "b"}])")
                                          << QVector<int>{1, 0, 3} << 4;
    QTest::newRow("after 7 comes 8") << QByteArray(R"([{"id": 7}, {"id": 2}])") << QVector<int>{7, 2} << 8;
    QTest::newRow("held at 99") << QByteArray(R"([{"id": 120}])") << QVector<int>{120} << 99;
}

void TestGridManagerDlg::loadingCompletesTemplates()
{
    QFETCH(QByteArray, json);
    QFETCH(QVector<int>, ids);
    QFETCH(int, nextId);
    GridManagerDlg dialog;
    dialog.loadTemplates(parsedArray(json));
    QCOMPARE(idsOf(dialog.m_templates), ids);
    QCOMPARE(dialog.findChild<QSpinBox *>("spinBox_3")->value(), nextId);
}

void TestGridManagerDlg::saveWritesTemplate_data()
{
    QTest::addColumn<int>("choose");   // row, or -1
    QTest::addColumn<int>("typedId");  // or -1
    QTest::addColumn<bool>("cancelName");
    QTest::addColumn<QVector<int>>("fileIds");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("cells");

    QTest::newRow("new asks its name") << -1 << -1 << false << QVector<int>{1, 2, 3, 4} << "大厅" << 0 << 6;
    QTest::newRow("cancelled name") << -1 << -1 << true << QVector<int>{1, 2, 3} << "同名" << 1 << 0;
    QTest::newRow("chosen preset") << 0 << -1 << false << QVector<int>{2, 3, 1} << "同名" << 1 << 6;
    QTest::newRow("typed id keeps name") << -1 << 2 << false << QVector<int>{1, 3, 2} << "墙二" << 0 << 6;
}

void TestGridManagerDlg::saveWritesTemplate()
{
    QFETCH(int, choose);
    QFETCH(int, typedId);
    QFETCH(bool, cancelName);
    QFETCH(QVector<int>, fileIds);
    QFETCH(QString, name);
    QFETCH(int, standard);
    QFETCH(int, cells);
    TestNotifier notifier;
    cancelName ? notifier.queueTextCancel() : notifier.queueText("大厅");
    Editor editor;
    if (choose >= 0)
        editor.chooseRow(choose);
    editor.setSpin("spinBox", 3);   // 3 x 2 cells
    if (typedId >= 0)
        editor.setSpin("spinBox_3", typedId);
    editor.press("pushButton");

    // A cancelled name goes back to the editor.
    QCOMPARE(editor.dialog.isVisible(), cancelName);
    QCOMPARE(editor.dialog.result(), int(cancelName ? QDialog::Rejected : QDialog::Accepted));
    const bool asked = choose < 0 && typedId < 0;
    QCOMPARE(notifier.prompts().size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(notifier.prompts().at(0).proposal, QStringLiteral("布局_4"));
    const QJsonArray file = fileTemplates();
    QCOMPARE(idsOf(file), fileIds);
    QCOMPARE(editor.dialog.m_templates, cancelName ? parsedArray(kTemplates) : file);
    const QJsonObject last = file.last().toObject();
    QCOMPARE(last.value("name").toString(), name);
    QCOMPARE(last.value("standard").toInt(), standard);
    // Only a custom template carries its wall size.
    QCOMPARE(last.contains("tw") && last.contains("th"), standard == 0);
    if (!cancelName)
        QCOMPARE(last.value("rect").toArray().size(), cells);
}

void TestGridManagerDlg::deleteRemovesExactlyTheChecked()
{
    TestNotifier notifier;
    Editor editor;
    // One of two alike-named templates goes; the other stays.
    editor.table()->item(2, 0)->setCheckState(Qt::Checked);
    notifier.queueAnswer(QMessageBox::Yes);
    editor.press("pushButton_2");
    QCOMPARE(notifier.texts(), QStringList({"确定删除吗?"}));
    QCOMPARE(editor.names(), QStringList({"同名", "墙二"}));
    QCOMPARE(idsOf(fileTemplates()), QVector<int>({1, 2}));
    QCOMPARE(editor.dialog.m_templates, fileTemplates());
}

void TestGridManagerDlg::idBeyondTheBoxIsSavedUnderItsOwnId()
{
    writeFixture(kTemplateFile, R"([{"id": 99, "name": "九九", "standard": 1, "gridmode": 1, "row": 2, "col": 2},
                                    {"id": 150, "name": "外来", "standard": 1, "gridmode": 1, "row": 3, "col": 3}])");
    TestNotifier notifier;
    Editor editor;
    editor.chooseRow(1);
    QCOMPARE(editor.spin("spinBox_3")->value(), 99);
    editor.press("pushButton");
    const QJsonArray file = fileTemplates();
    QCOMPARE(idsOf(file), QVector<int>({99, 150}));
    QCOMPARE(file.at(0).toObject().value("name").toString(), QStringLiteral("九九"));
}

void TestGridManagerDlg::templateFromFileIsHeldToTheEditor_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QSize>("rowsAndColumns");
    QTest::addColumn<QVector<GridCell>>("someCells");   // the first and the last
    QTest::addColumn<int>("cellCount");

    // A preset without a size: its grid over 1920 x 1080.
    QTest::newRow("preset") << QByteArray(R"("standard": 1, "row": 2, "col": 2)") << QSize(2, 2)
                            << QVector<GridCell>{{0, 0, 960, 540}, {960, 540, 960, 540}} << 4;
    QTest::newRow("rows past the box") << QByteArray(R"("standard": 1, "row": 100000, "col": 2)") << QSize(999, 2)
                                       << QVector<GridCell>{{0, 0, 960, 1}, {960, 1078, 960, 1}} << 1998;
    // Once the product overflowed int, or asked for gigabytes.
    QTest::newRow("100000 x 100000") << QByteArray(R"("standard": 1, "row": 100000, "col": 100000)")
                                     << QSize(999, 999) << QVector<GridCell>{{0, 0, 1, 1}, {1918, 1078, 1, 1}}
                                     << 998001;
    // Drawn cut to the wall, held as read.
    QTest::newRow("cells past the wall")
        << QByteArray(R"("standard": 0, "row": 1, "col": 1, "tw": 3840, "th": 2160, "rect": [
               {"x": 2147483000, "y": 0, "w": 2147483000, "h": 100}, {"x": -50, "y": 10, "w": 100, "h": 99999}])")
        << QSize(1, 1) << QVector<GridCell>{{2147483000, 0, 2147483000, 100}, {-50, 10, 100, 99999}} << 2;
}

void TestGridManagerDlg::templateFromFileIsHeldToTheEditor()
{
    QFETCH(QByteArray, fields);
    QFETCH(QSize, rowsAndColumns);
    QFETCH(QVector<GridCell>, someCells);
    QFETCH(int, cellCount);
    // A name of 180 bytes of UTF-8 shows cut to what a template holds.
    const QByteArray name = QString(60, QChar(0x5E03)).toUtf8();
    writeFixture(kTemplateFile, R"([{"id": 1, "gridmode": 0, "name": ")" + name + "\", " + fields + "}]");
    Editor editor;
    QCOMPARE(editor.names(), QStringList(QString(42, QChar(0x5E03))));
    editor.chooseRow(0);
    QCOMPARE(QSize(editor.spin("spinBox")->value(), editor.spin("spinBox_2")->value()), rowsAndColumns);
    const QVector<GridCell> cells = editor.canvas()->cells();
    QCOMPARE(cells.size(), cellCount);
    QVERIFY(cells.first() == someCells.first());
    QVERIFY(cells.last() == someCells.last());
    // The record too, as the next save writes it.
    const GridTemplate record = editor.canvas()->gridTemplate();
    QCOMPARE(QSize(record.row, record.col), rowsAndColumns);
    editor.dialog.grab();
}

void TestGridManagerDlg::chosenTemplateIsSavedAsRead_data()
{
    QTest::addColumn<QByteArray>("fields");
    // Once saved cut to the 1920 x 1080 that a template without a size is drawn on.
    QTest::newRow("no wall size") << QByteArray(R"("rect": [{"x": 1920, "y": 0, "w": 1920, "h": 2160}])");
    QTest::newRow("past the int range") << QByteArray(R"("tw": 3840, "th": 2160, "rect": [
        {"x": 2147483000, "y": 0, "w": 2147483000, "h": 100}, {"x": -50, "y": 10, "w": 100, "h": 99999}])");
}

void TestGridManagerDlg::chosenTemplateIsSavedAsRead()
{
    QFETCH(QByteArray, fields);
    writeFixture(kTemplateFile, R"([{"id": 1, "name": "墙", "standard": 0, "gridmode": 0, "row": 1, "col": 1, )"
                                    + fields + "}]");
    const QJsonValue read = fileTemplates().at(0).toObject().value("rect");
    Editor editor;
    editor.chooseRow(0);
    editor.dialog.grab();
    editor.press("pushButton");
    QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fileTemplates().at(0).toObject().value("rect"), read);
}

void TestGridManagerDlg::customLayoutBoxSwitchesTheWallSizeAndRegion()
{
    Editor editor;
    // The wall size, enabled at the start, and the left edge of a region.
    const char *const custom[] = {"spinBox_4", "spinBox_5", "spinBox_6"};
    auto *box = editor.dialog.findChild<QCheckBox *>("checkBox");
    for (bool checked : {true, false}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        settle();
        QCOMPARE(box->isChecked(), checked);
        for (const char *name : custom)
            QVERIFY2(editor.spin(name)->isEnabled() == checked, name);
        for (const char *name : {"spinBox_2", "spinBox_3"})
            QVERIFY2(editor.spin(name)->isEnabled() != checked, name);
        QCOMPARE(editor.dialog.findChild<QPushButton *>("pushButton_3")->isEnabled(), checked);
    }
}

void TestGridManagerDlg::failedWriteIsReported_data()
{
    QTest::addColumn<bool>("remove");
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("delete, no folder") << true << false;
    QTest::newRow("save, no folder") << false << false;
    QTest::newRow("delete, full disk") << true << true;
    QTest::newRow("save, full disk") << false << true;
}

void TestGridManagerDlg::failedWriteIsReported()
{
    QFETCH(bool, remove);
    QFETCH(bool, fullDisk);
    TestNotifier notifier;
    notifier.setDefaultAnswer(QMessageBox::Yes);
    Editor editor;
    const QString path = QDir::current().absoluteFilePath(kTemplateFile);
    // The language folder becomes a plain file: nothing can be written there.
    if (!fullDisk) {
        QVERIFY(QDir("data_template/grid_template/zh_cn").removeRecursively());
        QVERIFY(writeFixture("data_template/grid_template/zh_cn", "x"));
    }
    editor.table()->item(0, 0)->setCheckState(Qt::Checked);
    editor.chooseRow(0);
    {
        std::unique_ptr<FileSizeLimit> full(fullDisk ? new FileSizeLimit(64) : nullptr);
        if (full && !full->active)
            QSKIP("the file size limit cannot be set here");
        editor.press(remove ? "pushButton_2" : "pushButton");
    }

    // The whole path, then why.
    const QString said = notifier.prompts().last().text;
    QCOMPARE(said.section('\n', 0, 0), QString::fromUtf8("布局模板文件保存失败: ") + path);
    QVERIFY(!said.section('\n', 1).isEmpty());
    if (fullDisk) {
        QCOMPARE(said.section('\n', 1), QString::fromUtf8("磁盘空间不足"));
        QCOMPARE(fileTemplates(), parsedArray(kTemplates));
    }
    QCOMPARE(editor.dialog.m_templates, parsedArray(kTemplates));
    QCOMPARE(editor.table()->rowCount(), 3);
    QVERIFY(editor.dialog.isVisible());
}

void TestGridManagerDlg::newUserBuildsAndReopensLayout()
{
    m_dir.reset();   // the old folder's destructor would leave the new one
    m_dir.reset(new TestWorkDir(TestWorkDir::WithAssets));
    TestNotifier notifier;
    notifier.queueText("我的布局");
    QVector<GridCell> saved;
    int presets = 0;
    {
        Editor editor;
        presets = editor.table()->rowCount();
        QVERIFY(presets > 0);
        editor.dialog.resize(1180, 728);
        editor.setSpin("spinBox", 3);
        editor.setSpin("spinBox_2", 3);
        GridVirWall *canvas = editor.canvas();
        auto centre = [canvas](int x, int y) {
            return canvas->mapRect(QRect(x, y, 1, 1), GridVirWall::WallToWidget).topLeft();
        };
        drag(canvas, centre(640, 300), centre(1920, 420));      // the first two cells of the top row
        click(canvas, centre(3200, 1800));                     // the bottom-right cell, split 2 x 2
        editor.setSpin("cellRowSpinBox", 2);
        editor.setSpin("cellColSpinBox", 2);
        editor.press("spitCellBtn");
        saved = canvas->cells();
        QCOMPARE(saved.size(), 11);
        QVERIFY(saved.contains({0, 0, 2560, 720}));
        QVERIFY(saved.contains({3200, 1800, 640, 360}));
        QVERIFY(saveGrabIfAsked(editor.dialog.grab().toImage(), "wall_editor.png"));
        editor.press("pushButton");
        QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
    }
    Editor reopened;
    QCOMPARE(reopened.table()->rowCount(), presets + 1);
    QCOMPARE(reopened.names().last(), QStringLiteral("我的布局"));
    reopened.chooseRow(presets);   // its stored cells, not a grid redrawn from the numbers
    QCOMPARE(reopened.canvas()->cells(), saved);
    QVERIFY(saveGrabIfAsked(reopened.dialog.grab().toImage(), "wall_reopened.png"));
    QCOMPARE(reopened.spin("spinBox_4")->value(), 3840);
}

void TestGridManagerDlg::cancelledNameKeepsTheLayoutToSaveAgain()
{
    TestNotifier notifier;
    notifier.queueTextCancel();
    notifier.queueText("大厅");
    Editor editor;
    editor.dialog.resize(1180, 728);
    settle();
    // A 3 x 2 grid whose top row is merged into one cell.
    editor.setSpin("spinBox", 3);
    GridVirWall *canvas = editor.canvas();
    const auto at = [canvas](int x, int y) {
        return canvas->mapRect(QRect(x, y, 1, 1), GridVirWall::WallToWidget).topLeft();
    };
    drag(canvas, at(960, 300), at(2880, 420));
    const QVector<GridCell> layout = canvas->cells();
    QCOMPARE(layout.size(), 5);
    QVERIFY(layout.contains({0, 0, 3840, 720}));
    const QByteArray fileBefore = readFixture(kTemplateFile);

    editor.press("pushButton");
    QCOMPARE(notifier.prompts().size(), 1);
    QVERIFY(editor.dialog.isVisible());
    QCOMPARE(canvas->cells(), layout);
    QCOMPARE(readFixture(kTemplateFile), fileBefore);
    QCOMPARE(editor.dialog.m_templates, parsedArray(kTemplates));

    editor.press("pushButton");
    QCOMPARE(notifier.prompts().size(), 2);
    QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
    const QJsonObject saved = fileTemplates().last().toObject();
    QCOMPARE(saved.value("name").toString(), QStringLiteral("大厅"));
    QCOMPARE(saved.value("rect").toArray().size(), layout.size());
    QVERIFY(saved.value("rect").toArray().contains(QJsonObject{{"x", 0}, {"y", 0}, {"w", 3840}, {"h", 720}}));
}

void TestGridManagerDlg::templatesOverTheirBoundAreNotWritten_data()
{
    QTest::addColumn<bool>("remove");
    QTest::newRow("delete") << true;
    QTest::newRow("save") << false;
}

void TestGridManagerDlg::templatesOverTheirBoundAreNotWritten()
{
    QFETCH(bool, remove);
    TestNotifier notifier;
    notifier.setDefaultAnswer(QMessageBox::Yes);
    Editor editor;   // read within the kind's own bound
    const QString path = QDir::current().absoluteFilePath(kTemplateFile);
    const QByteArray before = readFixture(kTemplateFile);
    editor.table()->item(0, 0)->setCheckState(Qt::Checked);
    editor.chooseRow(0);
    // Lower than any file of templates, even one with a template less.
    const qint64 bound = 64;
    WholeFile::setLimitForTesting(WholeFile::Kind::GridTemplateFile, bound);
    const auto restore = qScopeGuard([] { WholeFile::setLimitForTesting(WholeFile::Kind::GridTemplateFile, -1); });
    editor.press(remove ? "pushButton_2" : "pushButton");

    QCOMPARE(readFixture(kTemplateFile), before);
    const QString said = notifier.prompts().last().text;
    QVERIFY2(saysTooLarge(said, QString::fromUtf8("布局模板文件保存失败: "), path, bound), qPrintable(said));
    QCOMPARE(editor.dialog.m_templates, parsedArray(kTemplates));
    QCOMPARE(editor.table()->rowCount(), 3);
    QVERIFY(editor.dialog.isVisible());
}

QTEST_MAIN(TestGridManagerDlg)
#include "tst_gridmanagerdlg.moc"
