#include "app/globalmanager.h"
#include "canvas/uipage.h"
#include "shell/controlframe.h"
#include "shell/imgdlg.h"
#include "shell/imglabel.h"
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
    void hiddenMenusAndActionsStayHidden();
    void languageActionsRetitleEverything();
    void paletteFollowsTabBroughtForward();
    void pageKeepsKeysAfterClickBesideIt();
    void projectTreeFillsItsTab();
    void runDialogStartsProgramWithoutShell();
    void imageImportAndDeleteReportFailures();
    void previewFitsPictureWithoutEnlarging_data();
    void previewFitsPictureWithoutEnlarging();

private:
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
        m_workDir->path(), "{\"Page\": [{\"File\": \"a.json\", \"PageType\": 0}, {\"File\": \"login.json\", \"PageType\": 2}]}");
    m_projectDir = QFileInfo(project).absolutePath();
    QVERIFY(pagefixture::writePage(m_projectDir + "/a.json", {pagefixture::pageObject(800, 600)}));
    QVERIFY(pagefixture::writePage(m_projectDir + "/login.json", {pagefixture::pageObject(800, 600)}));
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

void TestShellWindow::actionTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("new") << "newAction" << u("新建") << true << false;
    QTest::newRow("close project") << "removeAction" << u("关闭项目") << true << false;
    QTest::newRow("command IP") << "replaceIPAction" << u("命令IP替换") << true << false;
    QTest::newRow("events") << "shijianAction" << u("事件") << true << false;
    QTest::newRow("spread") << "vdAlignAction" << u("垂直分散对齐") << true << false;
    QTest::newRow("latch") << "selflockAction" << u("自锁") << true << true;
    QTest::newRow("painter") << "formatCopyAction" << u("格式刷") << true << true;
    QTest::newRow("save as") << "newSaveAction" << u("另存为") << true << false;
    QTest::newRow("controls view") << "widgetAction" << u("控件视图") << true << false;
    QTest::newRow("download") << "actionxiazai" << u("下载") << true << false;
    QTest::newRow("run") << "runAction" << u("运行") << true << false;
    QTest::newRow("English") << "actionEnglish" << "English" << false << false;
}

void TestShellWindow::actionTable()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, icon);
    QFETCH(bool, checkable);
    QAction *action = m_window->action(name);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    // The picture comes from the built-in resources, not a missing file.
    QCOMPARE(!action->icon().pixmap(24, 24).isNull(), icon);
    QCOMPARE(action->isCheckable(), checkable);
    QCOMPARE(action->toolTip(), text);
    QCOMPARE(action->shortcut(), QKeySequence());
}

void TestShellWindow::hiddenMenusAndActionsStayHidden()
{
    QStringList hidden;
    for (QAction *entry : m_window->menuBar()->actions()) {
        if (!entry->isVisible())
            hidden << entry->menu()->objectName();
    }
    QCOMPARE(hidden, QStringList({"menu_L", "menu_2"}));
    auto *help = m_window->findChild<QMenu *>("menu_H");
    QStringList shown;
    for (QAction *entry : help->actions()) {
        if (entry->isVisible())
            shown << entry->objectName();
    }
    QCOMPARE(shown, QStringList("actionPreview"));
    QVERIFY(m_window->action("saveAction")->isVisible());
    QVERIFY(m_window->action("newAction")->isEnabled());
}

void TestShellWindow::languageActionsRetitleEverything()
{
    GlobalManager::instance()->openPageTab("a", 0);
    GlobalManager::instance()->currentPage()->addNewControl(104, QRect(10, 10, 90, 50));
    m_window->action("actionEnglish")->trigger();
    QCOMPARE(GlobalManager::instance()->language(), 2);
    QCOMPARE(m_window->action("newAction")->text(), QString("New"));
    QCOMPARE(m_window->findChild<QMenu *>("menu")->title(), QString("File"));
    QCOMPARE(m_window->findChild<QTabWidget *>("tabWidget_2")->tabText(0), QString("Project"));
    QCOMPARE(m_window->srcListWidget()->listWidget()->item(0)->text(), QString("Background"));
    QCOMPARE(m_window->controlFrame()->treeWidget()->topLevelItem(0)->text(0), QString("Text"));

    m_window->action("actionjianti")->trigger();
    QCOMPARE(m_window->action("newAction")->text(), u("新建"));
    QCOMPARE(m_window->controlFrame()->treeWidget()->topLevelItem(0)->text(0), u("文本控件"));
}

void TestShellWindow::paletteFollowsTabBroughtForward()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openPageTab("login", 2));
    manager->setDropClass(101); // 登录框, armed on the login page
    QVERIFY(manager->openPageTab("a", 0));
    QVERIFY(!visibleKinds(m_window->srcListWidget()).contains(101));
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
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openPageTab("a", 0));
    UIPage *page = manager->currentPage();
    page->addNewControl(104, QRect(10, 10, 90, 50));
    QVERIFY(page->isModified());
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *scroll = qobject_cast<QScrollArea *>(m_window->pageTabWidget()->currentWidget());
    QVERIFY(scroll);
    // The grey area below the page.
    const QPoint beside(10, scroll->viewport()->height() - 5);
    QVERIFY(!page->geometry().contains(beside));
    QTest::mouseClick(scroll->viewport(), Qt::LeftButton, Qt::NoModifier, beside);
    QTRY_VERIFY(page->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!page->isModified());
}

void TestShellWindow::projectTreeFillsItsTab()
{
    auto *tabs = m_window->findChild<QTabWidget *>("tabWidget_2");
    QTreeWidget *tree = m_window->projectFrame()->tree()->treeWidget();
    QVERIFY(tabs->width() > 240);
    QCOMPARE(tree->width(), tabs->currentWidget()->width());
}

void TestShellWindow::runDialogStartsProgramWithoutShell()
{
    QRuner dialog;
    dialog.show();
    // A shell would run two commands; without one ";" is part of a name.
    const QString dir = m_workDir->path();
    QTest::keyClicks(dialog.commandEdit(), QString("touch \"%1/a b\" %1/c;touch").arg(dir));
    QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QTRY_VERIFY(QFile::exists(dir + "/a b") && QFile::exists(dir + "/c;touch"));

    QRuner failing;
    failing.show();
    QTest::keyClicks(failing.commandEdit(), "/no/such/program");
    QTest::keyClick(failing.commandEdit(), Qt::Key_Return);
    QVERIFY(failing.isVisible());
    QCOMPARE(m_notifier->prompts().size(), 1);
}

void TestShellWindow::imageImportAndDeleteReportFailures()
{
    QVERIFY(writeColourPicture(m_workDir->filePath("new.png"), Qt::red));
    QVERIFY(writeFixture(m_workDir->filePath("notes.txt"), "text"));
    QVERIFY(writeColourPicture(m_projectDir + "/kept.png", Qt::blue));
    ImgDlg dialog;
    dialog.setPath(m_projectDir);
    dialog.importFiles({m_workDir->filePath("new.png"), m_workDir->filePath("notes.txt"),
                        m_workDir->filePath("gone.png")});
    QCOMPARE(dialog.listWidget()->count(), 2);
    QVERIFY(QFile::exists(m_projectDir + "/new.png"));
    // One message names the two files that stayed out.
    QCOMPARE(m_notifier->prompts().size(), 1);
    const QString text = m_notifier->prompts().first().text;
    QVERIFY(text.contains("notes.txt") && text.contains("gone.png") && !text.contains("new.png"));

    // A file that cannot go stays listed and picked.
    QListWidgetItem *kept = dialog.listWidget()->findItems("kept.png", Qt::MatchExactly).first();
    dialog.listWidget()->setCurrentItem(kept);
    dialog.onImgSelected(kept);
    QVERIFY(QFile::remove(m_projectDir + "/kept.png"));
    QVERIFY(writeFixture(m_projectDir + "/kept.png/inner", "blocks removal"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QCOMPARE(m_notifier->prompts().size(), 2);
    QCOMPARE(dialog.listWidget()->count(), 2);
    QCOMPARE(dialog.selectedPath(), m_projectDir + "/kept.png");
}

void TestShellWindow::previewFitsPictureWithoutEnlarging_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawn");
    QTest::addColumn<QPoint>("outside");
    QTest::newRow("wide, shrunk") << QSize(1000, 500) << QRect(0, 45, 180, 90) << QPoint(90, 44);
    QTest::newRow("tall, shrunk") << QSize(300, 600) << QRect(45, 0, 90, 180) << QPoint(44, 90);
    QTest::newRow("small, own size") << QSize(100, 50) << QRect(40, 65, 100, 50) << QPoint(39, 90);
    QTest::newRow("no picture") << QSize(0, 0) << QRect() << QPoint();
}

void TestShellWindow::previewFitsPictureWithoutEnlarging()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, drawn);
    QFETCH(QPoint, outside);
    QCOMPARE(ImgLabel::fittedRect(QSize(180, 180), picture), drawn);
    if (drawn.isNull())
        return;
    // What the label paints: the picture inside, nothing beside it.
    const QString path = m_workDir->filePath("preview.png");
    QVERIFY(writeColourPicture(path, Qt::red, picture));
    ImgLabel label;
    label.setFixedSize(180, 180);
    label.setImage(path);
    const QImage image = renderSelf(&label);
    QCOMPARE(QColor(image.pixel(drawn.center())), QColor(Qt::red));
    QCOMPARE(qAlpha(image.pixel(outside)), 0);
}

QTEST_MAIN(TestShellWindow)
#include "tst_shellwindow.moc"
