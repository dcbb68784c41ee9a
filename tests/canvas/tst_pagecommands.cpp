#include "tests/canvas/pagefixture.h"

// What the page adds to the command-list rules (tst_cmdlists): which kinds
// take part, one undo step per control, the modified mark and the guard.
using namespace pagefixture;

namespace {

QJsonObject command(const QString &ip, int port)
{
    return QJsonObject{{"ip", ip}, {"port", port}, {"protocol", 0}, {"ms", 0}, {"front_ms", 0},
                       {"connect_timout", 3000}, {"reconnect_num", 3}};
}

QJsonObject lists(const QJsonArray &on, const QJsonArray &off = QJsonArray())
{
    return QJsonObject{{"on_cmd_data_list", on}, {"off_cmd_data_list", off}};
}

QJsonArray onList(const UIBase *control)
{
    return control->attributes().value("on_cmd_data_list").toArray();
}

CMD_BTN_ARGS findIp(const QString &ip)
{
    CMD_BTN_ARGS args;
    args.findIpEnabled = true;
    args.findIp = ip;
    return args;
}

} // namespace

class TestPageCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::TwoPages)); }
    void cleanup() { f.tearDown(); }

    void copyTakesCommandKindsOnlyAndPastesOnAnotherPage();
    void pasteIsOneStepPerCommandControlAndReachesSave();
    void pasteWithEmptyClipboardStillPushesSteps();
    void replacementSkipsOtherKinds();
    void replacementWithoutFindSwitchesCountsAsChange();
    void replacementUndoneControlByControl();
    void busyPageDropsCommandOperations();

private:
    UIBase *add(UIPage *page, int nClass, const QString &name, const QJsonObject &extra = QJsonObject())
    {
        return addControl(page, nClass, name, 10 + 90 * name.section('_', -1).toInt(), 10, 80, 40, extra);
    }

    PageFixture f;
};

void TestPageCommands::copyTakesCommandKindsOnlyAndPastesOnAnotherPage()
{
    const QJsonArray copied{command("10.1.1.1", 5000)};
    UIBase *source = add(f.page, 129, "CmdButton_0", lists(copied));
    UIBase *label = add(f.page, 104, "Label_1");
    UIBase *target = add(f.other, 129, "CmdButton_0", lists({}));
    QVERIFY(select({source}));
    f.page->copyCmd();
    // Neither another kind nor the page replaces the clipboard.
    QVERIFY(select({label}));
    f.page->copyCmd();
    f.page->selectPage();
    f.page->copyCmd();
    QCOMPARE(GlobalManager::instance()->cmdClipboard().value("name").toString(), QString("CmdButton_0"));
    // The source goes; its commands stay on the clipboard as a copy.
    f.page->deleteControl(source);
    flushDeletes();
    QVERIFY(select({target}));
    f.other->pasteCmd();
    QCOMPARE(onList(target), copied);
}

void TestPageCommands::pasteIsOneStepPerCommandControlAndReachesSave()
{
    const QJsonArray copied{command("10.1.1.1", 5000)};
    UIBase *source = add(f.page, 129, "CmdButton_0", lists(copied));
    UIBase *status = add(f.page, 130, "CmdStatusButton_1", lists({}));
    UIBase *label = add(f.page, 104, "Label_2");
    UIBase *relative = add(f.page, 133, "CmdRelativeButton_3", {{"on_cmd_data_list", QJsonArray()}});
    UIBase *progress = add(f.page, 131, "CmdProgress_4", {{"on_cmd_data_list", QJsonArray()}});
    QVERIFY(select({source}));
    f.page->copyCmd();
    QVERIFY(select({status, label, relative, progress}));
    f.page->slotSaveFile();
    const int steps = f.steps();
    f.page->pasteCmd();
    QCOMPARE(f.steps(), steps + 3);
    for (UIBase *pasted : {status, relative, progress})
        QCOMPARE(onList(pasted), copied);
    // A paste that changed lists is saved with the page.
    QVERIFY(f.page->isModified());
    f.page->slotSaveFile();
    bool saved = false;
    for (const QJsonValue &entry : readPage(f.page->pageFilePath()))
        saved = saved || (entry["name"] == "CmdStatusButton_1" && entry["on_cmd_data_list"] == copied);
    QVERIFY(saved);
}

void TestPageCommands::pasteWithEmptyClipboardStillPushesSteps()
{
    UIBase *a = add(f.page, 129, "CmdButton_0", lists({command("a", 1)}));
    QVERIFY(select({a}));
    f.page->setModified(false);
    const QJsonObject before = a->attributes();
    const int steps = f.steps();
    f.page->pasteCmd();
    QCOMPARE(f.steps(), steps + 1);
    QCOMPARE(a->attributes(), before);
    QVERIFY(!f.page->isModified());
}

void TestPageCommands::replacementSkipsOtherKinds()
{
    const QJsonArray list{command("192.168.0.10", 5000)};
    UIBase *status = add(f.page, 130, "CmdStatusButton_0", lists(list));
    UIBase *relative = add(f.page, 133, "CmdRelativeButton_1", lists(list));
    QVERIFY(select({status, relative}));
    f.page->setModified(false);
    const int steps = f.steps();
    CMD_BTN_ARGS args = findIp("192.168.0.10");
    args.port = 1;
    f.page->replaceArgsCmd(args);
    QCOMPARE(f.steps(), steps);
    QCOMPARE(onList(status), list);
    QVERIFY(!f.page->isModified());
}

void TestPageCommands::replacementWithoutFindSwitchesCountsAsChange()
{
    const QJsonArray list{command("192.168.0.10", 5000)};
    UIBase *a = add(f.page, 129, "CmdButton_0", lists(list));
    UIBase *b = add(f.page, 129, "CmdButton_1", lists({}));
    QVERIFY(select({a, b}));
    f.page->setModified(false);
    const int steps = f.steps();
    CMD_BTN_ARGS args;
    args.port = 1;
    f.page->replaceArgsCmd(args);
    QCOMPARE(f.steps(), steps + 2);
    QCOMPARE(onList(a), list);
    QVERIFY(f.page->isModified());
}

void TestPageCommands::replacementUndoneControlByControl()
{
    QList<UIBase *> buttons;
    for (int i = 0; i < 3; ++i)
        buttons.append(add(f.page, 129, "CmdButton_" + QString::number(i), lists({command("h", 1)})));
    QVERIFY(select(buttons));
    CMD_BTN_ARGS args = findIp("h");
    args.protocol = 2;
    f.page->replaceArgsCmd(args);
    auto protocol = [](UIBase *b) { return onList(b).at(0).toObject().value("protocol").toInt(); };
    QCOMPARE(protocol(buttons.at(2)), 2);
    f.page->undo();
    QCOMPARE(protocol(buttons.at(2)), 0);
    QCOMPARE(protocol(buttons.at(1)), 2);
    f.page->undo();
    f.page->undo();
    QCOMPARE(protocol(buttons.at(0)), 0);
}

void TestPageCommands::busyPageDropsCommandOperations()
{
    UIBase *a = add(f.page, 129, "CmdButton_0", lists({command("h", 1)}));
    QVERIFY(select({a}));
    const int steps = f.steps();
    {
        UIPage::Guard held(f.page);
        f.page->copyCmd();
        f.page->pasteCmd();
        CMD_BTN_ARGS args = findIp("h");
        args.port = 9;
        f.page->replaceArgsCmd(args);
    }
    QCOMPARE(f.steps(), steps);
    QVERIFY(GlobalManager::instance()->cmdClipboard().isEmpty());
}

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
