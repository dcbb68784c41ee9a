#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "properties/propertywidget.h"
#include "shell/changepagesizedg.h"
#include "shell/controlframe.h"
#include "shell/newfiledlg.h"
#include "shell/projectframe.h"
#include "shell/srcgrouplistwidget.h"
#include "shell/srclistwidget.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using pagefixture::control;
using pagefixture::pageObject;
using pagefixture::readPage;
using pagefixture::writePage;

namespace {
const char kProject[] = R"({"Page": [
    {"File": "home.json", "PageType": 0},
    {"File": "popup.json", "PageType": 1},
    {"File": "login.json", "PageType": 2}
]})";

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

const char kSizeMessage[] = "宽度必须在160--15360,高度必须在64-8640之间";
const char kPageSizeMessage[] = "宽度必须在480--15360,高度必须在320-8640之间";

QList<int> visibleKinds(SrcListWidget *palette)
{
    QList<int> kinds;
    for (int row = 0; row < palette->listWidget()->count(); ++row) {
        if (!palette->listWidget()->item(row)->isHidden())
            kinds << palette->listWidget()->item(row)->data(Qt::UserRole).toInt();
    }
    return kinds;
}

// Runs act on the modal dialog of class T once it is up: the dialogs run
// their own loop inside the slot that opened them.
template <typename T, typename F>
void whenModal(F act)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        } else if (++*tries > 300) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

void typeInto(QWidget *dialog, const char *editName, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(editName));
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void press(QWidget *dialog, const char *buttonName)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(buttonName));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// What the user saw in the new-page dialog.
struct NewFileSeen {
    QString title;
    QString name;
    QString width;
    QString height;
};

// Answers the next new-page dialog with name and width; OK or Cancel.
void answerNewFile(NewFileSeen *seen, const QString &name, const QString &width = QString(),
                   bool accept = true)
{
    whenModal<NewFileDlg>([=](NewFileDlg *dialog) {
        seen->title = dialog->windowTitle();
        seen->name = dialog->findChild<QLineEdit *>("lineEdit")->text();
        seen->width = dialog->findChild<QLineEdit *>("lineEdit_2")->text();
        seen->height = dialog->findChild<QLineEdit *>("lineEdit_3")->text();
        typeInto(dialog, "lineEdit", name);
        if (!width.isNull())
            typeInto(dialog, "lineEdit_2", width);
        press(dialog, accept ? "pushButton_2" : "pushButton");
        // A refused answer keeps the dialog open.
        if (dialog->isVisible())
            press(dialog, "pushButton");
    });
}

// Answers the next text question; its title and preset land in seen.
void answerInput(QStringList *seen, const QString &text, bool accept = true)
{
    whenModal<QInputDialog>([=](QInputDialog *dialog) {
        *seen << dialog->windowTitle() << dialog->labelText() << dialog->textValue();
        dialog->setTextValue(text);
        accept ? dialog->accept() : dialog->reject();
    });
}

// Answers the next page-size dialog; the presets land in seen.
void answerPageSize(QStringList *seen, int width, int height, bool accept = true)
{
    whenModal<ChangePageSizeDg>([=](ChangePageSizeDg *dialog) {
        *seen << dialog->findChild<QLineEdit *>("lineEdit_2")->text()
              << dialog->findChild<QLineEdit *>("lineEdit_3")->text();
        typeInto(dialog, "lineEdit_2", QString::number(width));
        typeInto(dialog, "lineEdit_3", QString::number(height));
        press(dialog, accept ? "pushButton_2" : "pushButton");
    });
}
} // namespace

class TestProjectPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void contextMenuOffersEntriesOfTheItemKind_data();
    void contextMenuOffersEntriesOfTheItemKind();
    void nothingHappensWithoutACurrentItem();
    void newPageEntryCreatesFileEntryItemAndTab_data();
    void newPageEntryCreatesFileEntryItemAndTab();
    void refusedNewPageOrCopyChangesNothing_data();
    void refusedNewPageOrCopyChangesNothing();
    void copyAddsByteCopyOfTheSourceKind();
    void importAddsPageOrRefusesIt_data();
    void importAddsPageOrRefusesIt();
    void doubleClickOpensOneTabAndReselectsIt();
    void renameAndMoveChangeTreeAndProjectFile_data();
    void renameAndMoveChangeTreeAndProjectFile();
    void resizeRescalesThePageFile_data();
    void resizeRescalesThePageFile();
    void deleteAsksAndNoKeepsEverything_data();
    void deleteAsksAndNoKeepsEverything();
    void pageSizeDialogKeepsSizesAPageCanTake_data();
    void pageSizeDialogKeepsSizesAPageCanTake();
    void newFileDialogRefusesWhatAPageCannotTake();

private:
    SrcGroupListWidget *tree() const { return m_frame->tree(); }
    QTreeWidgetItem *root() const { return tree()->treeWidget()->topLevelItem(0); }
    QTreeWidgetItem *pageItem(const QString &name) const;
    QString pagePath(const QString &name) const { return m_projectDir + "/" + name + ".json"; }
    QStringList treeLines() const;
    // Tree, page list, project file, folder contents and tabs, for checking
    // that a refused action left all of them alone.
    QStringList state() const;
    QJsonObject lastEntry() const;
    // Right-clicks the item and chooses entry from its menu (none when
    // empty); returns the entries the menu offered.
    QStringList chooseFromMenu(QTreeWidgetItem *item, const QString &entry);
    void doubleClick(QTreeWidgetItem *item);

    std::unique_ptr<TestWorkDir> m_dir;
    std::unique_ptr<TestNotifier> m_notifier;
    std::unique_ptr<QWidget> m_window;
    ProjectFrame *m_frame = nullptr;
    QTabWidget *m_tabs = nullptr;
    QString m_projectDir;
    QString m_projectFile;
};

void TestProjectPages::init()
{
    m_dir.reset(new TestWorkDir);
    QVERIFY(m_dir->isValid());
    m_notifier.reset(new TestNotifier);

    // The panels a main window hands to the manager, wired the way it wires them.
    m_window.reset(new QWidget);
    auto *row = new QHBoxLayout(m_window.get());
    m_frame = new ProjectFrame(m_window.get());
    m_tabs = new QTabWidget(m_window.get());
    auto *palette = new SrcListWidget(m_window.get());
    auto *controls = new ControlFrame(m_window.get());
    auto *properties = new PropertyWidget(m_window.get());
    for (QWidget *panel : {static_cast<QWidget *>(m_frame), static_cast<QWidget *>(m_tabs),
                           static_cast<QWidget *>(palette), static_cast<QWidget *>(controls),
                           static_cast<QWidget *>(properties)})
        row->addWidget(panel);
    GlobalManager *manager = GlobalManager::instance();
    manager->setControlFrame(controls);
    manager->setPropertyWidget(properties);
    manager->setSrcListWidget(palette);
    manager->setTabWidget(m_tabs);
    connect(manager, &GlobalManager::signalClearItems, m_frame, [this] { m_frame->clearItems(); });
    connect(manager, &GlobalManager::signalAddItem, m_frame,
            [this](QString name, int type) { m_frame->addItem(name, type); });
    connect(m_frame, &ProjectFrame::signalClose, manager, [manager] { manager->closeProject(); });

    m_projectFile = writeProjectFixture(m_dir->path(), kProject);
    m_projectDir = QFileInfo(m_projectFile).absolutePath();
    QVERIFY(writePage(pagePath("home"), {pageObject(1920, 1080), control("Button", "B", 100, 50, 333, 99)}));
    QVERIFY(writePage(pagePath("popup"), {pageObject(1600, 900)}));
    QVERIFY(writePage(pagePath("login"), {pageObject(1920, 1080)}));
    QVERIFY(manager->openProject(m_projectFile));

    m_window->resize(1400, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestProjectPages::cleanup()
{
    m_window.reset();
    m_notifier.reset();
    m_dir.reset();
    GlobalManager::resetInstance();
}

QTreeWidgetItem *TestProjectPages::pageItem(const QString &name) const
{
    for (int i = 0; root() && i < root()->childCount(); ++i) {
        if (root()->child(i)->text(0) == name)
            return root()->child(i);
    }
    return nullptr;
}

QStringList TestProjectPages::treeLines() const
{
    QStringList lines;
    for (int i = 0; root() && i < root()->childCount(); ++i)
        lines << root()->child(i)->text(0) + ":" + root()->child(i)->data(0, Qt::UserRole + 1).toString();
    return lines;
}

QStringList TestProjectPages::state() const
{
    QStringList lines = treeLines();
    lines << QString("counters %1 %2").arg(tree()->pageCount()).arg(tree()->formCount());
    for (const PageInfo &page : GlobalManager::instance()->pages())
        lines << "page " + page.name + " " + page.file;
    QDirIterator it(m_projectDir, QDir::Files);
    QStringList files;
    while (it.hasNext()) {
        const QString path = it.next();
        files << QFileInfo(path).fileName() + " "
                     + QCryptographicHash::hash(readFixture(path), QCryptographicHash::Md5).toHex();
    }
    files.sort();
    lines << files;
    for (int i = 0; i < m_tabs->count(); ++i)
        lines << "tab " + m_tabs->tabText(i);
    return lines;
}

QJsonObject TestProjectPages::lastEntry() const
{
    const QJsonArray entries = jsonFixture(readFixture(m_projectFile)).value("Page").toArray();
    return entries.isEmpty() ? QJsonObject() : entries.last().toObject();
}

QStringList TestProjectPages::chooseFromMenu(QTreeWidgetItem *item, const QString &entry)
{
    QStringList offered;
    QTimer::singleShot(0, [&offered, entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *choice = nullptr;
        for (QAction *action : menu->actions()) {
            offered << action->text();
            if (action->text() == entry)
                choice = action;
        }
        if (!choice) {
            menu->close();
            return;
        }
        menu->setActiveAction(choice);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QWidget *viewport = tree()->treeWidget()->viewport();
    const QPoint at = tree()->treeWidget()->visualItemRect(item).center();
    QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    return offered;
}

void TestProjectPages::doubleClick(QTreeWidgetItem *item)
{
    // A double click arrives as a click followed by the double-click event.
    QWidget *viewport = tree()->treeWidget()->viewport();
    const QPoint at = tree()->treeWidget()->visualItemRect(item).center();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

void TestProjectPages::contextMenuOffersEntriesOfTheItemKind_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("entries");
    const QStringList pageTail = {u("重命名"), u("调整大小"), u("创建副本"), u("上移"), u("下移")};
    QTest::newRow("project") << QString() << QStringList{u("新建页面"), u("新建登录页面"), u("新建场所页面"),
                                                          u("新建窗体"), u("关闭项目"), u("打开项目目录"),
                                                          u("导入页面")};
    QTest::newRow("page") << "home" << QStringList(u("删除页面")) + pageTail;
    QTest::newRow("form") << "popup" << QStringList(u("删除窗体")) + pageTail;
    QTest::newRow("login page") << "login" << QStringList(u("删除页面")) + pageTail;
}

void TestProjectPages::contextMenuOffersEntriesOfTheItemKind()
{
    QFETCH(QString, item);
    QFETCH(QStringList, entries);
    const QStringList before = state();
    QCOMPARE(chooseFromMenu(item.isEmpty() ? root() : pageItem(item), QString()), entries);
    QCOMPARE(state(), before);
}

void TestProjectPages::nothingHappensWithoutACurrentItem()
{
    tree()->treeWidget()->setCurrentItem(nullptr);
    bool popped = false;
    QTimer::singleShot(0, [&popped] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popped = true;
            popup->close();
        }
    });
    const QStringList before = state();
    tree()->onShowMenu(QPoint());
    for (auto slot : {&SrcGroupListWidget::onAddFile, &SrcGroupListWidget::onAddDlgFile,
                      &SrcGroupListWidget::onResizeFile, &SrcGroupListWidget::onCopyFile})
        (tree()->*slot)();
    QTest::qWait(20);
    QVERIFY(!popped);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(state(), before);
}

void TestProjectPages::newPageEntryCreatesFileEntryItemAndTab_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("pageType");
    // The fixture has one page of kind 0 and two of the others, which count as forms.
    QTest::newRow("page") << u("新建页面") << u("创建页面") << "page2" << 1920 << 1080 << 0;
    QTest::newRow("login page") << u("新建登录页面") << u("创建登录页面") << "page2" << 1920 << 1080 << 2;
    QTest::newRow("place page") << u("新建场所页面") << u("创建场所页面") << "page2" << 1920 << 1080 << 3;
    QTest::newRow("form") << u("新建窗体") << u("创建窗体") << "dlg3" << 1600 << 900 << 1;
}

void TestProjectPages::newPageEntryCreatesFileEntryItemAndTab()
{
    QFETCH(QString, entry);
    QFETCH(QString, title);
    QFETCH(QString, suggested);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, pageType);

    NewFileSeen seen;
    answerNewFile(&seen, "fresh");
    chooseFromMenu(root(), entry);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.name, suggested);
    QCOMPARE(seen.width, QString::number(width));
    QCOMPARE(seen.height, QString::number(height));

    const QJsonObject page = readPage(pagePath("fresh")).first().toObject();
    QCOMPARE(page.value("page_type").toInt(), pageType);
    QCOMPARE(page.value("w").toInt(), width);
    QCOMPARE(page.value("h").toInt(), height);
    QCOMPARE(lastEntry().value("File").toString(), QString("fresh.json"));
    QCOMPARE(lastEntry().value("PageType").toInt(), pageType);
    QCOMPARE(treeLines().last(), QString("fresh:%1").arg(pageType));
    QVERIFY(GlobalManager::instance()->hasPage("fresh"));
    QCOMPARE(m_tabs->count(), 1);
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("fresh"));
    QVERIFY(GlobalManager::instance()->currentPage());

    // The next suggestion moves on.
    answerNewFile(&seen, "fresher", QString(), false);
    chooseFromMenu(root(), entry);
    QVERIFY(seen.name != suggested);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::refusedNewPageOrCopyChangesNothing_data()
{
    QTest::addColumn<bool>("copy");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("prompts");
    const QString none;
    QTest::newRow("new: name taken") << false << "home" << none << true << QStringList(u("名称已存在"));
    QTest::newRow("new: empty name") << false << "" << none << true << QStringList(u("文件名为空"));
    QTest::newRow("new: separator") << false << "a/b" << none << true << QStringList(u("页面名称无效"));
    QTest::newRow("new: dot dot") << false << ".." << none << true << QStringList(u("页面名称无效"));
    QTest::newRow("new: width not a number") << false << "fresh" << "abc" << true << QStringList(u(kSizeMessage));
    QTest::newRow("new: width below a page") << false << "fresh" << "479" << true << QStringList(u(kPageSizeMessage));
    QTest::newRow("new: cancelled") << false << "fresh" << none << false << QStringList();
    QTest::newRow("copy: name taken") << true << "login" << none << true << QStringList(u("名称已存在"));
    QTest::newRow("copy: empty name") << true << "" << none << true << QStringList(u("文件名为空"));
    QTest::newRow("copy: separator") << true << "x\\y" << none << true << QStringList(u("页面名称无效"));
    QTest::newRow("copy: cancelled") << true << "fresh" << none << false << QStringList();
}

void TestProjectPages::refusedNewPageOrCopyChangesNothing()
{
    QFETCH(bool, copy);
    QFETCH(QString, name);
    QFETCH(QString, width);
    QFETCH(bool, accept);
    QFETCH(QStringList, prompts);

    const QStringList before = state();
    const QByteArray project = readFixture(m_projectFile);
    if (copy) {
        QStringList seen;
        answerInput(&seen, name, accept);
        chooseFromMenu(pageItem("home"), u("创建副本"));
        QCOMPARE(seen.size(), 3);
    } else {
        NewFileSeen seen;
        answerNewFile(&seen, name, width, accept);
        chooseFromMenu(root(), u("新建页面"));
        QVERIFY(!seen.title.isEmpty());
    }
    QCOMPARE(m_notifier->texts(), prompts);
    QCOMPARE(state(), before);
    QCOMPARE(readFixture(m_projectFile), project);
}

void TestProjectPages::copyAddsByteCopyOfTheSourceKind()
{
    QStringList seen;
    answerInput(&seen, "dlg3");
    chooseFromMenu(pageItem("popup"), u("创建副本"));
    QCOMPARE(seen, QStringList({u("副本名"), QString(), "dlg3"}));

    QCOMPARE(readFixture(pagePath("dlg3")), readFixture(pagePath("popup")));
    QCOMPARE(lastEntry().value("File").toString(), QString("dlg3.json"));
    QCOMPARE(lastEntry().value("PageType").toInt(), 1);
    QCOMPARE(treeLines(), QStringList({"home:0", "popup:1", "login:2", "dlg3:1"}));
    QCOMPARE(tree()->formCount(), 3);
    QCOMPARE(tree()->pageCount(), 1);
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("dlg3"));
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::importAddsPageOrRefusesIt_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("prompts");
    const QByteArray placePage = R"({"Control": [{"type": "Page", "w": 1280, "h": 800, "PlaceId": 4,
                                                   "page_type": 3}]})";
    QTest::newRow("dotted name, place page") << "guest.v2.json" << placePage << "guest:3" << QStringList();
    QTest::newRow("name taken") << "home.json" << placePage << QString()
                                << QStringList(u("导入失败，页面名称已存在"));
    QTest::newRow("no PlaceId") << "plain.json" << QByteArray(R"({"Control": [{"type": "Page", "w": 1, "h": 1}]})")
                                << QString() << QStringList("import json file failed,json format invalid");
    QTest::newRow("missing file") << "gone.json" << QByteArray() << QString() << QStringList();
}

void TestProjectPages::importAddsPageOrRefusesIt()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, item);
    QFETCH(QStringList, prompts);

    const QString source = m_dir->path() + "/outside/" + fileName;
    if (!content.isEmpty())
        QVERIFY(writeFixture(source, content));
    const QStringList before = state();
    tree()->importPageFile(source);

    QCOMPARE(m_notifier->texts(), prompts);
    if (item.isEmpty()) {
        QCOMPARE(state(), before);
        return;
    }
    QCOMPARE(treeLines().last(), item);
    QCOMPARE(readFixture(pagePath("guest")), content);
    QCOMPARE(lastEntry().value("File").toString(), QString("guest.json"));
    QCOMPARE(lastEntry().value("PageType").toInt(), 3);
    // An imported page counts with the pages whatever its kind.
    QCOMPARE(tree()->pageCount(), 2);
    // It opens in front, so the palette's place-page entries belong to the page shown.
    QCOMPARE(m_tabs->count(), 1);
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("guest"));
    QVERIFY(GlobalManager::instance()->currentPage());
    QCOMPARE(visibleKinds(m_window->findChild<SrcListWidget *>()), QList<int>({159, 102}));
}

void TestProjectPages::doubleClickOpensOneTabAndReselectsIt()
{
    doubleClick(root());
    QCOMPARE(m_tabs->count(), 0);

    doubleClick(pageItem("home"));
    QCOMPARE(m_tabs->count(), 1);
    auto *home = qobject_cast<UIPage *>(qobject_cast<QScrollArea *>(m_tabs->widget(0))->widget());
    QVERIFY(home);
    QCOMPARE(home->controlCount(), 1);

    doubleClick(pageItem("popup"));
    QCOMPARE(m_tabs->count(), 2);
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("popup"));

    doubleClick(pageItem("home"));
    QCOMPARE(m_tabs->count(), 2);
    QCOMPARE(m_tabs->currentIndex(), 0);
    QCOMPARE(GlobalManager::instance()->currentPage(), home);
    QCOMPARE(m_window->findChildren<UIPage *>().size(), 2);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::renameAndMoveChangeTreeAndProjectFile_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("rename") << "login" << u("重命名") << "welcome"
                            << QStringList({"home:0", "popup:1", "welcome:2"})
                            << QStringList({"home.json", "popup.json", "welcome.json"});
    QTest::newRow("rename cancelled") << "login" << u("重命名") << QString()
                                      << QStringList({"home:0", "popup:1", "login:2"})
                                      << QStringList({"home.json", "popup.json", "login.json"});
    QTest::newRow("move up") << "login" << u("上移") << QString() << QStringList({"home:0", "login:2", "popup:1"})
                             << QStringList({"home.json", "login.json", "popup.json"});
    QTest::newRow("move down") << "home" << u("下移") << QString() << QStringList({"popup:1", "home:0", "login:2"})
                               << QStringList({"popup.json", "home.json", "login.json"});
    QTest::newRow("first up") << "home" << u("上移") << QString() << QStringList({"home:0", "popup:1", "login:2"})
                              << QStringList({"home.json", "popup.json", "login.json"});
    QTest::newRow("last down") << "login" << u("下移") << QString() << QStringList({"home:0", "popup:1", "login:2"})
                               << QStringList({"home.json", "popup.json", "login.json"});
}

void TestProjectPages::renameAndMoveChangeTreeAndProjectFile()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(QString, answer);
    QFETCH(QStringList, tree);
    QFETCH(QStringList, files);

    QStringList seen;
    if (entry == u("重命名"))
        answerInput(&seen, answer, !answer.isEmpty());
    chooseFromMenu(pageItem(item), entry);

    QCOMPARE(treeLines(), tree);
    QCOMPARE(projectEntryFiles(m_projectFile), files);
    for (const QString &file : files)
        QVERIFY2(QFile::exists(m_projectDir + "/" + file), qPrintable(file));
    QCOMPARE(GlobalManager::instance()->pages().size(), 3);
    if (!seen.isEmpty())
        QCOMPARE(seen, QStringList({u("重命名"), u("请输入名称"), item}));
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::resizeRescalesThePageFile_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QStringList>("preset");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QRect>("button");
    const QRect unchanged(100, 50, 333, 99);
    QTest::newRow("closed page") << "home" << false << QStringList({"1920", "1080"}) << true
                                 << QRect(66, 33, 222, 66);
    QTest::newRow("cancelled") << "home" << false << QStringList({"1920", "1080"}) << false << unchanged;
    // The open canvas rescales its own controls; here only its saved size counts.
    QTest::newRow("open page") << "home" << true << QStringList({"1920", "1080"}) << true << QRect();
    // Every kind other than 0 is offered the form size, whatever it is.
    QTest::newRow("login page") << "login" << false << QStringList({"1600", "900"}) << true << QRect();
}

void TestProjectPages::resizeRescalesThePageFile()
{
    QFETCH(QString, item);
    QFETCH(bool, open);
    QFETCH(QStringList, preset);
    QFETCH(bool, accept);
    QFETCH(QRect, button);

    if (open)
        doubleClick(pageItem(item));
    QStringList seen;
    answerPageSize(&seen, 1280, 720, accept);
    chooseFromMenu(pageItem(item), u("调整大小"));
    QCOMPARE(seen, preset);

    QJsonObject page;
    QJsonObject b;
    for (const QJsonValue &element : readPage(pagePath(item)))
        (element.toObject().value("type").toString() == "Page" ? page : b) = element.toObject();
    QCOMPARE(page.value("w").toInt(), accept ? 1280 : 1920);
    QCOMPARE(page.value("h").toInt(), accept ? 720 : 1080);
    if (!button.isNull()) {
        QCOMPARE(QRect(b.value("x").toInt(), b.value("y").toInt(), b.value("w").toInt(), b.value("h").toInt()),
                 button);
    }
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::deleteAsksAndNoKeepsEverything_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("answer");
    QTest::newRow("page, no") << "home" << u("删除页面") << int(QMessageBox::No);
    QTest::newRow("page, yes") << "home" << u("删除页面") << int(QMessageBox::Yes);
    QTest::newRow("form, yes") << "popup" << u("删除窗体") << int(QMessageBox::Yes);
}

void TestProjectPages::deleteAsksAndNoKeepsEverything()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(int, answer);

    doubleClick(pageItem(item));
    QCOMPARE(m_tabs->count(), 1);
    QStringList deleted;
    connect(m_frame, &ProjectFrame::signalDeleteFile, this, [&deleted](QString &name) { deleted << name; });
    const QStringList before = state();
    const QByteArray project = readFixture(m_projectFile);
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    chooseFromMenu(pageItem(item), entry);

    QCOMPARE(m_notifier->prompts().size(), 1);
    QCOMPARE(m_notifier->prompts().first().kind, Notifier::Question);
    QCOMPARE(m_notifier->texts(), QStringList(u("确定删除吗?")));
    if (answer == QMessageBox::No) {
        QCOMPARE(state(), before);
        QCOMPARE(readFixture(m_projectFile), project);
        QVERIFY(deleted.isEmpty());
        return;
    }
    QVERIFY(!pageItem(item));
    QCOMPARE(treeLines().size(), 2);
    QVERIFY(!QFile::exists(pagePath(item)));
    QVERIFY(!projectEntryFiles(m_projectFile).contains(item + ".json"));
    QVERIFY(!GlobalManager::instance()->hasPage(item));
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(deleted, QStringList(item));
}

void TestProjectPages::pageSizeDialogKeepsSizesAPageCanTake_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::newRow("page minimum") << "480" << "320" << QString();
    QTest::newRow("maximum") << "15360" << "8640" << QString();
    QTest::newRow("width 159") << "159" << "1080" << u(kSizeMessage);
    QTest::newRow("width 15361") << "15361" << "1080" << u(kSizeMessage);
    QTest::newRow("height 63") << "1920" << "63" << u(kSizeMessage);
    QTest::newRow("height 8641") << "1920" << "8641" << u(kSizeMessage);
    QTest::newRow("empty width") << "" << "1080" << u(kSizeMessage);
    QTest::newRow("height not a number") << "1920" << "abc" << u(kSizeMessage);
    // Inside the first bounds but smaller than a page takes: the page would
    // ignore it, so the dialog says so instead of closing.
    QTest::newRow("160 x 64") << "160" << "64" << u(kPageSizeMessage);
    QTest::newRow("width 479") << "479" << "1080" << u(kPageSizeMessage);
}

void TestProjectPages::pageSizeDialogKeepsSizesAPageCanTake()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);

    ChangePageSizeDg dialog;
    QCOMPARE(dialog.objectName(), QString("ChangePageSizeDg"));
    dialog.show();
    typeInto(&dialog, "lineEdit_2", width);
    typeInto(&dialog, "lineEdit_3", height);
    press(&dialog, "pushButton_2");
    if (message.isEmpty()) {
        QVERIFY(m_notifier->prompts().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.pageWidth(), width.toInt());
        QCOMPARE(dialog.pageHeight(), height.toInt());
        return;
    }
    QCOMPARE(m_notifier->texts(), QStringList(message));
    QVERIFY(dialog.isVisible());
    // The values stay as typed; Cancel then rejects.
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEdit_2")->text(), width);
    press(&dialog, "pushButton");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestProjectPages::newFileDialogRefusesWhatAPageCannotTake()
{
    NewFileDlg dialog;
    dialog.setWindowTitle(u("创建页面"));
    dialog.setFileName("page1");
    dialog.setPageWidth(1920);
    dialog.setPageHeight(1080);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(saveGrabIfAsked(dialog.grab().toImage(), "newfiledlg.png"));
    typeInto(&dialog, "lineEdit", " a ");
    typeInto(&dialog, "lineEdit_2", "abc");
    press(&dialog, "pushButton_2");
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_notifier->texts(), QStringList(u(kSizeMessage)));
    typeInto(&dialog, "lineEdit_2", "1024");
    press(&dialog, "pushButton_2");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.fileName(), QString(" a "));
    QCOMPARE(dialog.pageWidth(), 1024);
    QCOMPARE(dialog.pageHeight(), 1080);

    ChangePageSizeDg sizeDialog;
    sizeDialog.setPageWidth(1600);
    sizeDialog.setPageHeight(900);
    sizeDialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sizeDialog));
    QVERIFY(saveGrabIfAsked(sizeDialog.grab().toImage(), "changepagesizedg.png"));
}

QTEST_MAIN(TestProjectPages)
#include "tst_projectpages.moc"
