#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "shell/changepagesizedg.h"
#include "shell/mainwindow.h"
#include "shell/newfiledlg.h"
#include "shell/projectframe.h"
#include "shell/srcgrouplistwidget.h"
#include "shell/srclistwidget.h"
#include "tests/canvas/pagefixture.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

// The project tree of the main window and the page commands of its menus.
using namespace pagefixture;

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

// Runs act on the modal dialog of class T once it is up: the dialogs run
// their own loop inside the slot that opened them.
template <typename T, typename F>
void whenModal(F act)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog || ++*tries > 300) {
            timer->stop();
            timer->deleteLater();
        }
        if (dialog)
            act(dialog);
    });
    timer->start(10);
}

void typeInto(QWidget *dialog, const char *editName, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(editName));
    edit->clear();
    QTest::keyClicks(edit, text);
}

void press(QWidget *dialog, const char *buttonName)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(buttonName)), Qt::LeftButton);
}

// Answers the next new-page dialog with name and width (OK or Cancel); the
// title and the name, width and height it offered land in seen.
void answerNewFile(QStringList *seen, const QString &name, const QString &width = QString(), bool accept = true)
{
    whenModal<NewFileDlg>([=](NewFileDlg *dialog) {
        *seen << dialog->windowTitle();
        for (const char *edit : {"lineEdit", "lineEdit_2", "lineEdit_3"})
            *seen << dialog->findChild<QLineEdit *>(edit)->text();
        typeInto(dialog, "lineEdit", name);
        if (!width.isNull())
            typeInto(dialog, "lineEdit_2", width);
        press(dialog, accept ? "pushButton_2" : "pushButton");
        // A refused answer keeps the dialog open.
        if (dialog->isVisible())
            press(dialog, "pushButton");
    });
}

// Answers the next text question; its title, label and preset land in seen.
void answerInput(QStringList *seen, const QString &text, bool accept = true)
{
    whenModal<QInputDialog>([=](QInputDialog *dialog) {
        *seen << dialog->windowTitle() << dialog->labelText() << dialog->textValue();
        dialog->setTextValue(text);
        accept ? dialog->accept() : dialog->reject();
    });
}
} // namespace

class TestProjectPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void treeListsProjectThenPagesUntilClosed();
    void contextMenuOffersEntriesOfTheItemKind_data();
    void contextMenuOffersEntriesOfTheItemKind();
    void newPageOrCopy_data();
    void newPageOrCopy();
    void importAddsPageInFrontOrRefusesIt_data();
    void importAddsPageInFrontOrRefusesIt();
    void doubleClickOpensOneTabAndReselectsIt();
    void renameAndMoveChangeTreeAndProjectFile();
    void resizeRescalesThePageFile();
    void deleteAsksAndNoKeepsEverything_data();
    void deleteAsksAndNoKeepsEverything();
    void pageSizeDialogKeepsSizesAPageCanTake_data();
    void pageSizeDialogKeepsSizesAPageCanTake();
    void copyOfEditedOpenPageAsksToSaveFirst();

private:
    QTreeWidget *treeWidget() const { return m_window->projectFrame()->tree()->treeWidget(); }
    QTreeWidgetItem *root() const { return treeWidget()->topLevelItem(0); }
    QTreeWidgetItem *pageItem(const QString &name) const;
    QString pagePath(const QString &name) const { return m_projectDir + "/" + name + ".json"; }
    QStringList treeLines() const;
    // Tree, page list, project file, folder contents and tabs, for checking
    // that a refused action left all of them alone.
    QStringList state() const;
    QJsonObject lastEntry() const { return jsonFixture(readFixture(m_projectFile))["Page"].toArray().last().toObject(); }
    QStringList chooseFromMenu(QTreeWidgetItem *item, const QString &entry)
    {
        return chooseFromContextMenu(treeWidget(), item, entry);
    }

    std::unique_ptr<TestWorkDir> m_dir;
    std::unique_ptr<TestNotifier> m_notifier;
    std::unique_ptr<MainWindow> m_window;
    QTabWidget *m_tabs = nullptr;
    QString m_projectDir;
    QString m_projectFile;
};

void TestProjectPages::init()
{
    m_dir.reset(new TestWorkDir);
    QVERIFY(m_dir->isValid());
    m_notifier.reset(new TestNotifier);
    m_window.reset(new MainWindow);
    m_tabs = m_window->pageTabWidget();
    m_projectFile = writeProjectFixture(m_dir->path(), kProject);
    m_projectDir = QFileInfo(m_projectFile).absolutePath();
    QVERIFY(writePage(pagePath("home"), {pageObject(1920, 1080), control("Button", "B", 100, 50, 333, 99)}));
    QVERIFY(writePage(pagePath("popup"), {pageObject(1600, 900)}));
    QVERIFY(writePage(pagePath("login"), {pageObject(1920, 1080)}));
    m_window->openProjectFile(m_projectFile);
    m_window->resize(1400, 800);
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
    SrcGroupListWidget *tree = m_window->projectFrame()->tree();
    QStringList lines = treeLines() + pageNames();
    lines << QString("counters %1 %2").arg(tree->pageCount()).arg(tree->formCount());
    const QMap<QString, QByteArray> files = folderSnapshot(m_projectDir);
    for (auto it = files.begin(); it != files.end(); ++it)
        lines << it.key() + " " + QString::number(qHash(it.value()));
    for (int i = 0; i < m_tabs->count(); ++i)
        lines << "tab " + m_tabs->tabText(i);
    return lines;
}

void TestProjectPages::treeListsProjectThenPagesUntilClosed()
{
    QCOMPARE(root()->text(0), QString("hall"));
    QVERIFY(root()->isExpanded());
    QCOMPARE(treeLines(), QStringList({"home:0", "popup:1", "login:2"}));
    // Login and place pages count with the forms when they come from a file.
    QCOMPARE(m_window->projectFrame()->tree()->pageCount(), 1);
    QCOMPARE(m_window->projectFrame()->tree()->formCount(), 2);
    // A file that is no project keeps the tree; another project replaces it.
    const QStringList before = state();
    m_window->openProjectFile(writeProjectFixture(m_dir->path(), R"({"Pages": []})", {}, "other"));
    QCOMPARE(m_notifier->texts(), QStringList(u("文件格式不对")));
    QCOMPARE(state(), before);
    m_window->openProjectFile(writeProjectFixture(m_dir->path(), R"({"Page": [{"File": "only.json"}]})", {}, "lobby"));
    QCOMPARE(root()->text(0), QString("lobby"));
    QCOMPARE(treeLines(), QStringList({"only:0"}));
    QVERIFY(saveGrabIfAsked(m_window->grab().toImage(), "store_mainwindow.png"));
    // Closing, from the tree or the menu, empties it.
    chooseFromMenu(root(), u("关闭项目"));
    QCOMPARE(treeWidget()->topLevelItemCount(), 0);
    m_window->openProjectFile(m_projectFile);
    m_window->action("removeAction")->trigger();
    QCOMPARE(treeWidget()->topLevelItemCount(), 0);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
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
}

void TestProjectPages::contextMenuOffersEntriesOfTheItemKind()
{
    QFETCH(QString, item);
    QFETCH(QStringList, entries);
    const QStringList before = state();
    QCOMPARE(chooseFromMenu(item.isEmpty() ? root() : pageItem(item), QString()), entries);
    QCOMPARE(state(), before);
}

void TestProjectPages::newPageOrCopy_data()
{
    QTest::addColumn<QString>("item");        // the item whose menu is used
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("offered");  // new page: title, name, width, height
    QTest::addColumn<int>("pageType");         // of the page made; -1: nothing made
    QTest::addColumn<QString>("prompt");
    // The fixture has one page of kind 0 and two of the others, which count as forms.
    const QStringList page{u("创建页面"), "page2", "1920", "1080"};
    QTest::newRow("page") << "" << u("新建页面") << "fresh" << "" << true << page << 0 << "";
    QTest::newRow("form") << "" << u("新建窗体") << "fresh" << "" << true
                          << QStringList{u("创建窗体"), "dlg3", "1600", "900"} << 1 << "";
    QTest::newRow("copy of a form") << "popup" << u("创建副本") << "fresh" << "" << true
                                    << QStringList{u("副本名"), "", "dlg3"} << 1 << "";
    QTest::newRow("new: name taken") << "" << u("新建页面") << "home" << "" << true << page << -1 << u("名称已存在");
    QTest::newRow("new: empty name") << "" << u("新建页面") << "" << "" << true << page << -1 << u("文件名为空");
    QTest::newRow("new: separator") << "" << u("新建页面") << "a/b" << "" << true << page << -1 << u("页面名称无效");
    QTest::newRow("new: width below a page") << "" << u("新建页面") << "fresh" << "159" << true << page << -1
                                             << u(kSizeMessage);
    const QStringList copy{u("副本名"), "", "page2"};
    QTest::newRow("copy: name taken") << "home" << u("创建副本") << "login" << "" << true << copy << -1 << u("名称已存在");
    QTest::newRow("copy: separator") << "home" << u("创建副本") << "x\\y" << "" << true << copy << -1 << u("页面名称无效");
    QTest::newRow("copy: cancelled") << "home" << u("创建副本") << "fresh" << "" << false << copy << -1 << "";
}

void TestProjectPages::newPageOrCopy()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, width);
    QFETCH(bool, accept);
    QFETCH(QStringList, offered);
    QFETCH(int, pageType);
    QFETCH(QString, prompt);
    const QStringList before = state();
    const QByteArray project = readFixture(m_projectFile);
    QStringList seen;
    if (item.isEmpty())
        answerNewFile(&seen, name, width.isEmpty() ? QString() : width, accept);
    else
        answerInput(&seen, name, accept);
    chooseFromMenu(item.isEmpty() ? root() : pageItem(item), entry);
    QCOMPARE(seen, offered);
    QCOMPARE(m_notifier->texts(), prompt.isEmpty() ? QStringList() : QStringList(prompt));
    if (pageType < 0) {
        // The tree gets an item only when the store made the page.
        QCOMPARE(state(), before);
        QCOMPARE(readFixture(m_projectFile), project);
        return;
    }
    if (!item.isEmpty())
        QCOMPARE(readFixture(pagePath("fresh")), readFixture(pagePath(item)));
    QCOMPARE(lastEntry().value("File").toString(), QString("fresh.json"));
    QCOMPARE(lastEntry().value("PageType").toInt(), pageType);
    QCOMPARE(treeLines().last(), QString("fresh:%1").arg(pageType));
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("fresh"));
    // A new login or place page counts with the pages, a new form with the forms.
    QCOMPARE(m_window->projectFrame()->tree()->formCount(), pageType == 1 ? 3 : 2);
    if (item.isEmpty()) {
        const QJsonObject page = readPage(pagePath("fresh")).first().toObject();
        QCOMPARE(page.value("page_type").toInt(), pageType);
        QCOMPARE(QString::number(page.value("w").toInt()), offered.at(2));
        // The next suggestion moves on.
        seen.clear();
        answerNewFile(&seen, "fresher", QString(), false);
        chooseFromMenu(root(), entry);
        QVERIFY(seen.value(1) != offered.at(1));
    }
}

void TestProjectPages::importAddsPageInFrontOrRefusesIt_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("prompts");
    const QByteArray placePage = R"({"Control": [{"type": "Page", "w": 1280, "h": 800, "PlaceId": 4,
                                                   "page_type": 3}]})";
    QTest::newRow("dotted name, place page") << "guest.v2.json" << placePage << QStringList();
    QTest::newRow("name taken") << "home.json" << placePage << QStringList(u("导入失败，页面名称已存在"));
    QTest::newRow("no PlaceId") << "plain.json" << QByteArray(R"({"Control": [{"type": "Page", "w": 1, "h": 1}]})")
                                << QStringList("import json file failed,json format invalid");
}

void TestProjectPages::importAddsPageInFrontOrRefusesIt()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, prompts);
    const QString source = m_dir->path() + "/outside/" + fileName;
    QVERIFY(writeFixture(source, content));
    const QStringList before = state();
    m_window->projectFrame()->tree()->importPageFile(source);
    QCOMPARE(m_notifier->texts(), prompts);
    if (!prompts.isEmpty()) {
        QCOMPARE(state(), before);
        return;
    }
    QCOMPARE(treeLines().last(), QString("guest:3"));
    QCOMPARE(readFixture(pagePath("guest")), content);
    QCOMPARE(lastEntry().value("PageType").toInt(), 3);
    // An imported page counts with the pages whatever its kind.
    QCOMPARE(m_window->projectFrame()->tree()->pageCount(), 2);
    // It opens in front, so the palette's place-page entries belong to the page shown.
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("guest"));
    QCOMPARE(visibleKinds(m_window->srcListWidget()), QList<int>({159, 102}));
}

void TestProjectPages::doubleClickOpensOneTabAndReselectsIt()
{
    doubleClickItem(treeWidget(), root());
    QCOMPARE(m_tabs->count(), 0);
    doubleClickItem(treeWidget(), pageItem("home"));
    auto *home = GlobalManager::instance()->currentPage();
    QCOMPARE(home->controlCount(), 1);
    doubleClickItem(treeWidget(), pageItem("popup"));
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("popup"));
    doubleClickItem(treeWidget(), pageItem("home"));
    QCOMPARE(m_tabs->count(), 2);
    QCOMPARE(m_tabs->currentIndex(), 0);
    QCOMPARE(GlobalManager::instance()->currentPage(), home);
    QCOMPARE(m_window->findChildren<UIPage *>().size(), 2);
}

void TestProjectPages::renameAndMoveChangeTreeAndProjectFile()
{
    QStringList seen;
    answerInput(&seen, "welcome", false);
    chooseFromMenu(pageItem("login"), u("重命名"));
    QCOMPARE(seen, QStringList({u("重命名"), u("请输入名称"), "login"}));
    answerInput(&seen, "welcome");
    chooseFromMenu(pageItem("login"), u("重命名"));
    chooseFromMenu(pageItem("home"), u("下移"));
    chooseFromMenu(pageItem("welcome"), u("下移"));
    QCOMPARE(treeLines(), QStringList({"popup:1", "home:0", "welcome:2"}));
    QCOMPARE(projectEntryFiles(m_projectFile), QStringList({"popup.json", "home.json", "welcome.json"}));
    QVERIFY(QFile::exists(pagePath("welcome")));
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::resizeRescalesThePageFile()
{
    // The size of the page is offered; a closed page's file is rescaled.
    QStringList seen;
    whenModal<ChangePageSizeDg>([&seen](ChangePageSizeDg *dialog) {
        seen << dialog->findChild<QLineEdit *>("lineEdit_2")->text() << dialog->findChild<QLineEdit *>("lineEdit_3")->text();
        typeInto(dialog, "lineEdit_2", "1280");
        typeInto(dialog, "lineEdit_3", "720");
        press(dialog, "pushButton_2");
    });
    chooseFromMenu(pageItem("home"), u("调整大小"));
    QCOMPARE(seen, QStringList({"1920", "1080"}));
    const QJsonArray saved = readPage(pagePath("home"));
    QCOMPARE(saved.at(0)["w"].toInt(), 1280);
    QCOMPARE(saved.at(1)["x"].toInt(), 66);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestProjectPages::deleteAsksAndNoKeepsEverything_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("answer");
    QTest::newRow("page, no") << "home" << u("删除页面") << int(QMessageBox::No);
    QTest::newRow("form, yes") << "popup" << u("删除窗体") << int(QMessageBox::Yes);
}

void TestProjectPages::deleteAsksAndNoKeepsEverything()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(int, answer);
    doubleClickItem(treeWidget(), pageItem(item));
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
        return;
    }
    QVERIFY(!pageItem(item));
    QVERIFY(!QFile::exists(pagePath(item)));
    QVERIFY(!projectEntryFiles(m_projectFile).contains(item + ".json"));
    QVERIFY(!GlobalManager::instance()->hasPage(item));
    QCOMPARE(m_tabs->count(), 0);
}

void TestProjectPages::pageSizeDialogKeepsSizesAPageCanTake_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::newRow("smallest") << "160" << "64" << QString();
    QTest::newRow("width 15361") << "15361" << "1080" << u(kSizeMessage);
    QTest::newRow("height 63") << "1920" << "63" << u(kSizeMessage);
}

void TestProjectPages::pageSizeDialogKeepsSizesAPageCanTake()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);
    ChangePageSizeDg dialog;
    dialog.show();
    QVERIFY(saveGrabIfAsked(dialog.grab().toImage(), "changepagesizedg.png"));
    typeInto(&dialog, "lineEdit_2", width);
    typeInto(&dialog, "lineEdit_3", height);
    press(&dialog, "pushButton_2");
    if (message.isEmpty()) {
        QVERIFY(m_notifier->prompts().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QSize(dialog.pageWidth(), dialog.pageHeight()), QSize(width.toInt(), height.toInt()));
        return;
    }
    QCOMPARE(m_notifier->texts(), QStringList(message));
    QVERIFY(dialog.isVisible());
    // The values stay as typed; Cancel then rejects.
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEdit_2")->text(), width);
    press(&dialog, "pushButton");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestProjectPages::copyOfEditedOpenPageAsksToSaveFirst()
{
    UIPage *home = openPageTab("home");
    // Saved first, the copy holds the new label too; cancelled, there is no copy.
    for (QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Save}) {
        home->addNewControl(104, QRect(10, 10, 90, 50));
        QStringList seen;
        answerInput(&seen, "fresh");
        m_notifier->queueAnswer(answer);
        chooseFromMenu(pageItem("home"), u("创建副本"));
        QCOMPARE(readPage(pagePath("fresh")).size(), answer == QMessageBox::Save ? 4 : 0);
    }
    QCOMPARE(m_notifier->texts().join(" "), u("是否保存? 是否保存?"));
}

QTEST_MAIN(TestProjectPages)
#include "tst_projectpages.moc"
