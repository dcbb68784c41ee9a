#include "app/globalmanager.h"
#include "canvas/uipage.h"
#include "shell/controlframe.h"
#include "shell/imgdlg.h"
#include "shell/mainwindow.h"
#include "shell/projectframe.h"
#include "shell/qruner.h"
#include "shell/srcgrouplistwidget.h"
#include "shell/srclistwidget.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {
QString u(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QList<int> visibleKinds(SrcListWidget *palette)
{
    QList<int> kinds;
    for (int row = 0; row < palette->listWidget()->count(); ++row) {
        if (!palette->listWidget()->item(row)->isHidden())
            kinds << palette->listWidget()->item(row)->data(Qt::UserRole).toInt();
    }
    return kinds;
}
} // namespace

class TestShellWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void actionTable_data();
    void actionTable();
    void languageActionsRetitleEverything();
    void newProjectFromTemplateOpensItsPage_data();
    void newProjectFromTemplateOpensItsPage();
    void emptyProjectHasRootItemOnly();
    void badProjectNameChangesNothing_data();
    void badProjectNameChangesNothing();
    void existingProjectQuestions_data();
    void existingProjectQuestions();
    void missingOrBrokenTemplateOpensNothing_data();
    void missingOrBrokenTemplateOpensNothing();
    void paletteFollowsTabBroughtForward();
    void pageKeepsKeysAfterClickBesideIt();
    void runDialogStartsProgramWithoutShell();
    void imageImportAndDeleteReportFailures();

private:
    QString folder() const { return m_workDir->filePath("projects"); }
    QStringList treeTexts() const;

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    MainWindow *m_window = nullptr;
    QString m_projectDir;
};

void TestShellWindow::init()
{
    m_workDir = new TestWorkDir(TestWorkDir::WithAssets);
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
    GlobalManager::instance()->setLanguage(0);
    const QString project = writeProjectFixture(
        m_workDir->path(), "{\"Page\": [{\"File\": \"a.json\"}, {\"File\": \"login.json\", \"PageType\": 2}]}");
    m_projectDir = QFileInfo(project).absolutePath();
    for (const char *page : {"/a.json", "/login.json"})
        QVERIFY(pagefixture::writePage(m_projectDir + page, {pagefixture::pageObject(800, 600)}));
    m_window = new MainWindow;
    m_window->resize(1366, 768);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->openProjectFile(project);
}

void TestShellWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    pagefixture::flushDeletes();
    GlobalManager::resetInstance();
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
}

QStringList TestShellWindow::treeTexts() const
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(m_window->projectFrame()->tree()->treeWidget()); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

void TestShellWindow::actionTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("visible");
    QTest::newRow("new") << "newAction" << u("新建") << true << false << true;
    QTest::newRow("command IP") << "replaceIPAction" << u("命令IP替换") << true << false << true;
    QTest::newRow("latch") << "selflockAction" << u("自锁") << true << true << true;
    QTest::newRow("save as") << "newSaveAction" << u("另存为") << true << false << false;
    QTest::newRow("run") << "runAction" << u("运行") << true << false << false;
    QTest::newRow("English") << "actionEnglish" << "English" << false << false << true;
}

void TestShellWindow::actionTable()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, icon);
    QFETCH(bool, checkable);
    QFETCH(bool, visible);
    QAction *action = m_window->action(name);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->toolTip(), text);
    // The picture comes from the built-in resources, not a missing file.
    QCOMPARE(!action->icon().pixmap(24, 24).isNull(), icon);
    QCOMPARE(action->isCheckable(), checkable);
    QCOMPARE(action->isVisible(), visible);
    QCOMPARE(action->shortcut(), QKeySequence());
    QStringList hiddenMenus;
    for (QAction *entry : m_window->menuBar()->actions()) {
        if (!entry->isVisible())
            hiddenMenus << entry->menu()->objectName();
    }
    QCOMPARE(hiddenMenus, QStringList({"menu_L", "menu_2"}));
}

void TestShellWindow::languageActionsRetitleEverything()
{
    GlobalManager::instance()->openPageTab("a", 0);
    GlobalManager::instance()->currentPage()->addNewControl(104, QRect(10, 10, 90, 50));
    m_window->action("actionEnglish")->trigger();
    QCOMPARE(m_window->action("newAction")->text(), QString("New"));
    QCOMPARE(m_window->findChild<QMenu *>("menu")->title(), QString("File"));
    QCOMPARE(m_window->findChild<QTabWidget *>("tabWidget_2")->tabText(0), QString("Project"));
    QCOMPARE(m_window->srcListWidget()->listWidget()->item(0)->text(), QString("Background"));
    QCOMPARE(m_window->controlFrame()->treeWidget()->topLevelItem(0)->text(0), QString("Text"));
    // Qt's own buttons follow.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    m_window->action("actionjianti")->trigger();
    QCOMPARE(m_window->controlFrame()->treeWidget()->topLevelItem(0)->text(0), u("文本控件"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u("取消"));
}

void TestShellWindow::newProjectFromTemplateOpensItsPage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("defaults, English") << 2 << "main" << "Meeting room";
    QTest::newRow("own name, simplified Chinese") << 0 << "hall" << u("会议室");
    QTest::newRow("own name, traditional Chinese") << 1 << "hall" << u("會議室");
}

void TestShellWindow::newProjectFromTemplateOpensItsPage()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, title);
    GlobalManager *manager = GlobalManager::instance();
    manager->setLanguage(language);
    QVERIFY(m_window->createProject(name, folder(), true));
    const QString dir = folder() + '/' + name;
    QStringList files({"home.json", name + ".projectui"});
    files.sort();
    QCOMPARE(entriesOf(dir), files);
    QCOMPARE(manager->projectFile(), name + ".projectui");
    QCOMPARE(treeTexts(), QStringList({name, "home"}));
    QVERIFY(readFixture(dir + "/home.json").contains(title.toUtf8()));
    // Pressed, each button shows its own caption, in the template's language.
    for (const QJsonValue &each : jsonFixture(readFixture(dir + "/home.json")).value("Control").toArray())
        QCOMPARE(each["pressText"].isUndefined() ? each["text"] : each["pressText"], each["text"]);
    QVERIFY(manager->openPageTab("home", 0));
    QCOMPARE(manager->currentPage()->controlCount(), 5);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestShellWindow::emptyProjectHasRootItemOnly()
{
    // Nothing of the project open before comes along; the blanks around the name stay out.
    GlobalManager *manager = GlobalManager::instance();
    manager->setMidCtrls(QVector<MidCtrlRecord>(1));
    manager->updateMaxId(9);
    QVERIFY(m_window->createProject(" bare ", folder(), false));
    QVERIFY(manager->midCtrls().isEmpty() && manager->maxId() == 0);
    QCOMPARE(jsonFixture(readFixture(folder() + "/bare/bare.projectui")).value("Page").toArray(), QJsonArray());
    QCOMPARE(treeTexts(), QStringList("bare"));
    QCOMPARE(GlobalManager::instance()->imageDialog()->path(), folder() + "/bare");
}

void TestShellWindow::badProjectNameChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("where");
    for (const char *name : {"", "  ", ".", "..", "a/b", "a\\b"})
        QTest::newRow(name) << name << "projects";
    QTest::newRow("no folder") << "fine" << "";
}

void TestShellWindow::badProjectNameChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, where);
    QVERIFY(writeFixture(folder() + "/keep.txt", "mine"));
    QVERIFY(!m_window->createProject(name, where.isEmpty() ? where : m_workDir->filePath(where), true));
    QCOMPARE(m_notifier->prompts().size(), 1);
    QCOMPARE(entriesOf(folder()), QStringList("keep.txt"));
    // The open project stays open.
    QCOMPARE(treeTexts(), QStringList({"hall", "a", "login"}));
}

void TestShellWindow::existingProjectQuestions_data()
{
    QTest::addColumn<int>("openIt");
    QTest::addColumn<int>("clearIt");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("open");
    const QStringList before({"hall.projectui", "notes.txt"});
    QTest::newRow("open the one there") << int(QMessageBox::Yes) << 0 << before << true;
    QTest::newRow("keep the other files") << int(QMessageBox::No) << int(QMessageBox::No) << before << false;
    QTest::newRow("replace by the template") << int(QMessageBox::No) << int(QMessageBox::Yes)
                                             << QStringList({"hall.projectui", "home.json"}) << true;
}

void TestShellWindow::existingProjectQuestions()
{
    QFETCH(int, openIt);
    QFETCH(int, clearIt);
    QFETCH(QStringList, entries);
    QFETCH(bool, open);
    const QString dir = folder() + "/hall";
    QVERIFY(writeFixture(dir + "/hall.projectui", "{\"Page\": []}"));
    QVERIFY(writeFixture(dir + "/notes.txt", "someone's work"));
    m_notifier->queueAnswer(QMessageBox::StandardButton(openIt));
    if (clearIt)
        m_notifier->queueAnswer(QMessageBox::StandardButton(clearIt));
    QCOMPARE(m_window->createProject("hall", folder(), true), open);
    QCOMPARE(m_notifier->prompts().size(), clearIt ? 2 : 1);
    QCOMPARE(entriesOf(dir), entries);
    QCOMPARE(GlobalManager::instance()->isProjectOpen(), open);
}

void TestShellWindow::missingOrBrokenTemplateOpensNothing_data()
{
    QTest::addColumn<bool>("missing");
    QTest::addColumn<int>("messages");
    QTest::newRow("missing") << true << 2;
    QTest::newRow("without its project file") << false << 1;
}

void TestShellWindow::missingOrBrokenTemplateOpensNothing()
{
    QFETCH(bool, missing);
    QFETCH(int, messages);
    const QString templateDir = GlobalManager::instance()->templateConfigDir();
    QVERIFY(missing ? QDir(templateDir).removeRecursively() : QFile::remove(templateDir + "/main.projectui"));
    QVERIFY(!m_window->createProject("main", folder(), true));
    QCOMPARE(m_notifier->prompts().size(), messages);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
    QVERIFY(treeTexts().isEmpty());
}

void TestShellWindow::paletteFollowsTabBroughtForward()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openPageTab("login", 2));
    manager->setDropClass(101); // 登录框, armed on the login page
    QVERIFY(manager->openPageTab("a", 0));
    // A kind the page in front refuses is no longer armed.
    QCOMPARE(manager->dropClass(), -1);
    // By the tab header, as a user switches pages.
    m_window->pageTabWidget()->setCurrentIndex(0);
    QCOMPARE(visibleKinds(m_window->srcListWidget()), QList<int>({104, 159, 101}));
    m_window->pageTabWidget()->setCurrentIndex(1);
    QCOMPARE(visibleKinds(m_window->srcListWidget()).size(), 36);
}

void TestShellWindow::pageKeepsKeysAfterClickBesideIt()
{
    QVERIFY(GlobalManager::instance()->openPageTab("a", 0));
    UIPage *page = GlobalManager::instance()->currentPage();
    page->addNewControl(104, QRect(10, 10, 90, 50));
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *scroll = qobject_cast<QScrollArea *>(m_window->pageTabWidget()->currentWidget());
    const QPoint beside(10, scroll->viewport()->height() - 5);
    QVERIFY(!page->geometry().contains(beside));
    QTest::mouseClick(scroll->viewport(), Qt::LeftButton, Qt::NoModifier, beside);
    QTRY_VERIFY(page->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!page->isModified());
    // The project tree fills its tab, leaving no dead strip beside it.
    QCOMPARE(m_window->projectFrame()->width(), m_window->findChild<QTabWidget *>("tabWidget_2")->currentWidget()->width());
}

void TestShellWindow::runDialogStartsProgramWithoutShell()
{
    QRuner dialog;
    dialog.show();
    // A shell would run two commands; without one ";" is part of a name.
    const QString dir = m_workDir->path();
    QTest::keyClicks(dialog.commandEdit(), QString("touch \"%1/a b\" %1/c;touch").arg(dir));
    QTest::keyClick(dialog.commandEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QTRY_VERIFY(QFile::exists(dir + "/a b") && QFile::exists(dir + "/c;touch"));
    QVERIFY(!dialog.runCommandLine("/no/such/program"));
    QCOMPARE(m_notifier->prompts().size(), 1);
}

void TestShellWindow::imageImportAndDeleteReportFailures()
{
    for (const char *picture : {"new.png", "C.PNG", "link.png", "held.png"})
        QVERIFY(writeColourPicture(m_workDir->filePath(picture), Qt::red));
    QVERIFY(writeFixture(m_workDir->filePath("notes.txt"), "text"));
    QVERIFY(writeFixture(m_workDir->filePath("fake.png"), "text"));
    QVERIFY(writeColourPicture(m_projectDir + "/kept.png", Qt::blue));
    // Links in the project folder, to nothing and to someone's file.
    QVERIFY(writeFixture(m_workDir->filePath("outside/held.png"), "mine"));
    QVERIFY(QFile::link("../outside/victim.png", m_projectDir + "/link.png"));
    QVERIFY(QFile::link("../outside/held.png", m_projectDir + "/held.png"));
    ImgDlg dialog;
    dialog.setPath(m_projectDir);
    QStringList files;
    for (const char *file : {"new.png", "C.PNG", "notes.txt", "fake.png", "gone.png", "link.png", "held.png"})
        files << m_workDir->filePath(file);
    dialog.importFiles(files);
    QVERIFY(QFile::exists(m_projectDir + "/C.PNG") && !QFile::exists(m_workDir->filePath("outside/victim.png")));
    // One message names the files that stayed out.
    QCOMPARE(m_notifier->prompts().size(), 1);
    const QString text = m_notifier->prompts().first().text;
    for (const char *out : {"notes.txt", "fake.png", "gone.png", "link.png", "held.png"})
        QVERIFY2(text.contains(out), out);
    QVERIFY(!text.contains("new.png") && !text.contains("C.PNG"));
    QCOMPARE(text.count(u("链接")), 2);

    // A file that cannot go stays listed and picked.
    QListWidgetItem *kept = dialog.listWidget()->findItems("kept.png", Qt::MatchExactly).first();
    dialog.listWidget()->setCurrentItem(kept);
    dialog.onImgSelected(kept);
    QVERIFY(QFile::remove(m_projectDir + "/kept.png"));
    QVERIFY(writeFixture(m_projectDir + "/kept.png/inner", "blocks removal"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QCOMPARE(m_notifier->prompts().size(), 2);
    QCOMPARE(dialog.listWidget()->count(), 4);
    QCOMPARE(dialog.selectedPath(), m_projectDir + "/kept.png");
}

QTEST_MAIN(TestShellWindow)
#include "tst_shellwindow.moc"
