#include "canvas/addcommand.h"
#include "canvas/editcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QUndoStack>
#include <QtTest>

using namespace pagefixture;

namespace {

QJsonObject command(const QString &ip, int port)
{
    return QJsonObject{{"ip", ip}, {"port", port}, {"protocol", 0}, {"ms", 0}, {"front_ms", 0},
                       {"connect_timout", 3000}, {"reconnect_num", 3}};
}

} // namespace

class TestPageCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyFromProgressPastesOnlyItsOnList();
    void copyFromOtherKindKeepsClipboard();
    void pasteIsOneStepPerCommandControlAndReachesSave();
    void pasteWithEmptyClipboardStillPushesSteps();
    void commandsCopiedOnOnePagePasteOnAnother();
    void replacementChangesMatchingCommandsOnly();
    void replacementSkipsOtherKinds();
    void replacementWithoutFindSwitchesCountsAsChange();
    void replacementUndoneControlByControl();
    void busyPageDropsCommandOperations();

private:
    UIBase *add(UIPage *page, int nClass, const QString &name, const QJsonObject &extra = {});
    void select(UIPage *page, const QList<UIBase *> &controls);

    TestWorkDir *m_workDir = nullptr;
    QWidget *m_window = nullptr;
    UIPage *m_page = nullptr;
    UIPage *m_other = nullptr;
};

void TestPageCommands::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_window = new QWidget;
    m_window->resize(1800, 700);
    m_page = new UIPage(m_window);
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(800, 600));
    m_other = new UIPage(m_window);
    m_other->openPage(info(m_workDir->path(), QStringLiteral("second")));
    m_other->setPageJson(pageObject(800, 600));
    m_other->move(900, 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPageCommands::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    m_other = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIBase *TestPageCommands::add(UIPage *page, int nClass, const QString &name, const QJsonObject &extra)
{
    const int index = name.section('_', -1).toInt();
    QJsonObject object = control(designControlTypeName(nClass), name, 10 + 90 * index, 10, 80, 40);
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        object.insert(it.key(), it.value());
    page->undoStack()->push(new AddCommand(page, nClass, object));
    return page->findControl(nClass, name);
}

void TestPageCommands::select(UIPage *page, const QList<UIBase *> &controls)
{
    // A plain click starts the selection afresh; Ctrl-clicks add the rest.
    QTest::mouseClick(controls.first(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::keyPress(page, Qt::Key_Control);
    for (UIBase *control : controls.mid(1))
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::keyRelease(page, Qt::Key_Control);
    QCOMPARE(page->selection(), controls);
}

void TestPageCommands::copyFromProgressPastesOnlyItsOnList()
{
    const QJsonArray progressOn{command("10.0.0.9", 9)};
    const QJsonArray buttonOff{command("2.2.2.2", 2)};
    UIBase *progress = add(m_page, 131, "CmdProgress_0", {{"on_cmd_data_list", progressOn}});
    UIBase *button = add(m_page, 129, "CmdButton_1",
                         {{"on_cmd_data_list", QJsonArray{command("1.1.1.1", 1)}},
                          {"off_cmd_data_list", buttonOff}});
    select(m_page, {progress});
    m_page->copyCmd();
    QCOMPARE(GlobalManager::instance()->cmdClipboard().value("type").toString(), QString("CmdProgress"));
    select(m_page, {button});
    m_page->pasteCmd();
    QCOMPARE(button->attributes().value("on_cmd_data_list").toArray(), progressOn);
    QCOMPARE(button->attributes().value("off_cmd_data_list").toArray(), buttonOff);

    // The progress slider has no off list and does not get one.
    select(m_page, {button});
    m_page->copyCmd();
    select(m_page, {progress});
    m_page->pasteCmd();
    QVERIFY(!progress->attributes().contains("off_cmd_data_list"));
}

void TestPageCommands::copyFromOtherKindKeepsClipboard()
{
    UIBase *button = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", QJsonArray{command("a", 1)}}});
    UIBase *label = add(m_page, 104, "Label_1");
    select(m_page, {button});
    m_page->copyCmd();
    select(m_page, {label});
    m_page->copyCmd();
    QCOMPARE(GlobalManager::instance()->cmdClipboard().value("name").toString(), QString("CmdButton_0"));
    m_page->selectPage();
    m_page->copyCmd();
    QCOMPARE(GlobalManager::instance()->cmdClipboard().value("name").toString(), QString("CmdButton_0"));
}

void TestPageCommands::pasteIsOneStepPerCommandControlAndReachesSave()
{
    const QJsonArray copied{command("10.1.1.1", 5000)};
    UIBase *source = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", copied},
                                                       {"off_cmd_data_list", QJsonArray()}});
    UIBase *status = add(m_page, 130, "CmdStatusButton_1", {{"on_cmd_data_list", QJsonArray()},
                                                             {"off_cmd_data_list", QJsonArray()}});
    UIBase *label = add(m_page, 104, "Label_2");
    UIBase *relative = add(m_page, 133, "CmdRelativeButton_3", {{"on_cmd_data_list", QJsonArray()}});
    select(m_page, {source});
    m_page->copyCmd();
    select(m_page, {status, label, relative});
    m_page->slotSaveFile();
    QVERIFY(!m_page->isModified());
    const int steps = m_page->undoStack()->count();
    m_page->pasteCmd();
    QCOMPARE(m_page->undoStack()->count(), steps + 2);
    QCOMPARE(status->attributes().value("on_cmd_data_list").toArray(), copied);
    QCOMPARE(relative->attributes().value("on_cmd_data_list").toArray(), copied);
    // A paste that changed lists is saved with the page.
    QVERIFY(m_page->isModified());
    m_page->slotSaveFile();
    const QJsonArray saved = readPage(m_page->pageFilePath());
    bool found = false;
    for (const QJsonValue &entry : saved) {
        if (entry.toObject().value("name").toString() == "CmdStatusButton_1") {
            QCOMPARE(entry.toObject().value("on_cmd_data_list").toArray(), copied);
            found = true;
        }
    }
    QVERIFY(found);
}

void TestPageCommands::pasteWithEmptyClipboardStillPushesSteps()
{
    UIBase *a = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", QJsonArray{command("a", 1)}}});
    select(m_page, {a});
    m_page->setModified(false);
    const QJsonObject before = a->attributes();
    const int steps = m_page->undoStack()->count();
    m_page->pasteCmd();
    QCOMPARE(m_page->undoStack()->count(), steps + 1);
    QCOMPARE(a->attributes(), before);
    QVERIFY(!m_page->isModified());
}

void TestPageCommands::commandsCopiedOnOnePagePasteOnAnother()
{
    const QJsonArray copied{command("10.1.1.1", 5000)};
    UIBase *source = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", copied}});
    UIBase *target = add(m_other, 129, "CmdButton_0", {{"on_cmd_data_list", QJsonArray()}});
    select(m_page, {source});
    GlobalManager::instance()->slotCopyCmd();   // no tab: not forwarded
    QVERIFY(GlobalManager::instance()->cmdClipboard().isEmpty());
    m_page->copyCmd();
    // The source goes; its commands stay on the clipboard as a copy.
    m_page->deleteControl(source);
    flushDeletes();
    select(m_other, {target});
    m_other->pasteCmd();
    QCOMPARE(target->attributes().value("on_cmd_data_list").toArray(), copied);
}

void TestPageCommands::replacementChangesMatchingCommandsOnly()
{
    const QJsonObject a1 = command("192.168.0.10", 5000);
    const QJsonObject b1 = command("192.168.0.11", 5000);
    const QJsonObject a2 = command("192.168.0.10", 6000);
    UIBase *first = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", QJsonArray{a1, b1}},
                                                      {"off_cmd_data_list", QJsonArray{a2}}});
    UIBase *second = add(m_page, 129, "CmdButton_1", {{"on_cmd_data_list", QJsonArray{b1}}});
    select(m_page, {first, second});
    CMD_BTN_ARGS args;
    args.findIpEnabled = true;
    args.findIp = QStringLiteral("192.168.0.10");
    args.port = 7000;
    args.beforeSendInterval = 200;
    args.afterSendInterval = 50;
    m_page->replaceArgsCmd(args);

    QJsonObject a1After = a1;
    a1After.insert("port", 7000);
    a1After.insert("front_ms", 200);
    a1After.insert("ms", 50);
    QJsonObject a2After = a2;
    a2After.insert("port", 7000);
    a2After.insert("front_ms", 200);
    a2After.insert("ms", 50);
    QCOMPARE(first->attributes().value("on_cmd_data_list").toArray(), (QJsonArray{a1After, b1}));
    QCOMPARE(first->attributes().value("off_cmd_data_list").toArray(), QJsonArray{a2After});
    QCOMPARE(second->attributes().value("on_cmd_data_list").toArray(), QJsonArray{b1});
}

void TestPageCommands::replacementSkipsOtherKinds()
{
    const QJsonArray list{command("192.168.0.10", 5000)};
    UIBase *status = add(m_page, 130, "CmdStatusButton_0", {{"on_cmd_data_list", list}});
    UIBase *relative = add(m_page, 133, "CmdRelativeButton_1", {{"on_cmd_data_list", list}});
    select(m_page, {status, relative});
    m_page->setModified(false);
    const int steps = m_page->undoStack()->count();
    CMD_BTN_ARGS args;
    args.findPortEnabled = true;
    args.findPort = 5000;
    args.port = 1;
    m_page->replaceArgsCmd(args);
    QCOMPARE(m_page->undoStack()->count(), steps);
    QCOMPARE(status->attributes().value("on_cmd_data_list").toArray(), list);
    QVERIFY(!m_page->isModified());
}

void TestPageCommands::replacementWithoutFindSwitchesCountsAsChange()
{
    const QJsonArray list{command("192.168.0.10", 5000)};
    UIBase *a = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", list}});
    UIBase *b = add(m_page, 129, "CmdButton_1", {{"on_cmd_data_list", QJsonArray()}});
    select(m_page, {a, b});
    m_page->setModified(false);
    const int steps = m_page->undoStack()->count();
    CMD_BTN_ARGS args;
    args.port = 1;
    m_page->replaceArgsCmd(args);
    QCOMPARE(m_page->undoStack()->count(), steps + 2);
    QCOMPARE(a->attributes().value("on_cmd_data_list").toArray(), list);
    QVERIFY(m_page->isModified());
}

void TestPageCommands::replacementUndoneControlByControl()
{
    QList<UIBase *> buttons;
    for (int i = 0; i < 3; ++i)
        buttons.append(add(m_page, 129, "CmdButton_" + QString::number(i),
                           {{"on_cmd_data_list", QJsonArray{command("h", 1)}}}));
    select(m_page, buttons);
    CMD_BTN_ARGS args;
    args.findIpEnabled = true;
    args.findIp = QStringLiteral("h");
    args.protocol = 2;
    GlobalManager::instance()->slotReplaceArgsCmd(args);   // no tab: not forwarded
    QCOMPARE(buttons.at(0)->attributes().value("on_cmd_data_list").toArray().at(0).toObject()
                 .value("protocol").toInt(), 0);
    m_page->replaceArgsCmd(args);
    auto protocol = [](UIBase *b) {
        return b->attributes().value("on_cmd_data_list").toArray().at(0).toObject().value("protocol").toInt();
    };
    QCOMPARE(protocol(buttons.at(2)), 2);
    m_page->undo();
    QCOMPARE(protocol(buttons.at(2)), 0);
    QCOMPARE(protocol(buttons.at(1)), 2);
    m_page->undo();
    m_page->undo();
    QCOMPARE(protocol(buttons.at(0)), 0);
}

void TestPageCommands::busyPageDropsCommandOperations()
{
    UIBase *a = add(m_page, 129, "CmdButton_0", {{"on_cmd_data_list", QJsonArray{command("h", 1)}}});
    select(m_page, {a});
    const int steps = m_page->undoStack()->count();
    {
        UIPage::Guard held(m_page);
        m_page->copyCmd();
        m_page->pasteCmd();
        CMD_BTN_ARGS args;
        args.findIpEnabled = true;
        args.findIp = QStringLiteral("h");
        args.port = 9;
        m_page->replaceArgsCmd(args);
    }
    QCOMPARE(m_page->undoStack()->count(), steps);
    QVERIFY(GlobalManager::instance()->cmdClipboard().isEmpty());
}

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
