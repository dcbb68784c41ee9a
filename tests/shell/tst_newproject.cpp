#include "app/globalmanager.h"
#include "shell/imgdlg.h"
#include "shell/mainwindow.h"
#include "shell/newprojectdlg.h"
#include "shell/projectframe.h"
#include "shell/srcgrouplistwidget.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
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
} // namespace

class TestNewProject : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void templateProjectOpensWithItsPage_data();
    void templateProjectOpensWithItsPage();
    void emptyProjectHasRootItemOnly();
    void badNameIsRefusedBeforeAnythingChanges_data();
    void badNameIsRefusedBeforeAnythingChanges();
    void dialogKeepsRefusedAnswer();
    void existingProjectQuestions_data();
    void existingProjectQuestions();
    void missingOrBrokenTemplateOpensNothing_data();
    void missingOrBrokenTemplateOpensNothing();

private:
    QString folder() const { return m_workDir->filePath("projects"); }
    QStringList treeTexts() const;

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    MainWindow *m_window = nullptr;
    QString m_openProject;
};

void TestNewProject::init()
{
    m_workDir = new TestWorkDir(TestWorkDir::WithAssets);
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
    GlobalManager::instance()->setLanguage(2);
    m_window = new MainWindow;
    // A project open before: a refused new one must leave it open.
    m_openProject = writeProjectFixture(m_workDir->path(), "{\"Page\": [{\"File\": \"old.json\"}]}",
                                        QStringList("old.json"));
    m_window->openProjectFile(m_openProject);
    QVERIFY(GlobalManager::instance()->isProjectOpen());
}

void TestNewProject::cleanup()
{
    delete m_window;
    m_window = nullptr;
    GlobalManager::resetInstance();
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
}

QStringList TestNewProject::treeTexts() const
{
    QStringList texts;
    QTreeWidget *tree = m_window->projectFrame()->tree()->treeWidget();
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

void TestNewProject::templateProjectOpensWithItsPage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("defaults, English") << 2 << "main" << "Meeting room";
    QTest::newRow("own name, simplified Chinese") << 0 << "hall" << u("会议室");
    QTest::newRow("own name, traditional Chinese") << 1 << "hall" << u("會議室");
}

void TestNewProject::templateProjectOpensWithItsPage()
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
    QCOMPARE(manager->projectPath(), dir);
    QCOMPARE(manager->projectFile(), name + ".projectui");
    QCOMPARE(treeTexts(), QStringList({name, "home"}));
    QCOMPARE(manager->pages().size(), 1);
    QVERIFY(readFixture(dir + "/home.json").contains(title.toUtf8()));
    // The page opens on a canvas at once, its controls listed.
    QVERIFY(manager->openPageTab("home", 0));
    QVERIFY(manager->currentPage());
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestNewProject::emptyProjectHasRootItemOnly()
{
    QVERIFY(m_window->createProject("bare", folder(), false));
    const QString file = folder() + "/bare/bare.projectui";
    QCOMPARE(jsonFixture(readFixture(file)).value("Page").toArray(), QJsonArray());
    QCOMPARE(treeTexts(), QStringList("bare"));
    QCOMPARE(GlobalManager::instance()->projectFile(), QString("bare.projectui"));
    // The image dialog lists the new folder.
    QCOMPARE(GlobalManager::instance()->imageDialog()->path(), folder() + "/bare");
}

void TestNewProject::badNameIsRefusedBeforeAnythingChanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::newRow("empty") << "" << "projects";
    QTest::newRow("blank") << "  " << "projects";
    QTest::newRow("dot") << "." << "projects";
    QTest::newRow("dot dot") << ".." << "projects";
    QTest::newRow("slash") << "a/b" << "projects";
    QTest::newRow("backslash") << "a\\b" << "projects";
    QTest::newRow("no folder") << "fine" << "";
}

void TestNewProject::badNameIsRefusedBeforeAnythingChanges()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QVERIFY(writeFixture(m_workDir->filePath("projects/keep.txt"), "mine"));
    const QStringList before = entriesOf(m_workDir->filePath("projects"));
    QVERIFY(!m_window->createProject(name, folder.isEmpty() ? folder : m_workDir->filePath(folder), true));
    QCOMPARE(m_notifier->prompts().size(), 1);
    QCOMPARE(entriesOf(m_workDir->filePath("projects")), before);
    QCOMPARE(GlobalManager::instance()->projectFile(), QString("main.projectui"));
    QCOMPARE(treeTexts(), QStringList({"hall", "old"}));
}

void TestNewProject::dialogKeepsRefusedAnswer()
{
    NewProjectDlg dialog;
    QCOMPARE(dialog.projectName(), QString("main"));
    QVERIFY(dialog.useTemplate());
    dialog.show();
    auto *name = dialog.findChild<QLineEdit *>("lineEdit");
    name->clear();
    QTest::keyClicks(name, "../up");
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_notifier->prompts().size(), 1);
    QCOMPARE(dialog.projectName(), QString("../up"));
    name->clear();
    QTest::keyClicks(name, "up");
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestNewProject::existingProjectQuestions_data()
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

void TestNewProject::existingProjectQuestions()
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
    // The clearing question defaults to No.
    if (clearIt)
        QVERIFY(m_notifier->prompts().at(1).text.contains(QDir::toNativeSeparators(dir)));
    QCOMPARE(entriesOf(dir), entries);
    QCOMPARE(GlobalManager::instance()->isProjectOpen(), open);
}

void TestNewProject::missingOrBrokenTemplateOpensNothing_data()
{
    QTest::addColumn<bool>("missing");
    QTest::addColumn<int>("messages");
    QTest::newRow("missing") << true << 2;
    QTest::newRow("without its project file") << false << 1;
}

void TestNewProject::missingOrBrokenTemplateOpensNothing()
{
    QFETCH(bool, missing);
    QFETCH(int, messages);
    const QString templateDir = GlobalManager::instance()->templateConfigDir();
    if (missing)
        QVERIFY(QDir(templateDir).removeRecursively());
    else
        QVERIFY(QFile::remove(templateDir + "/main.projectui"));

    QVERIFY(!m_window->createProject("main", folder(), true));
    QCOMPARE(m_notifier->prompts().size(), messages);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
    QVERIFY(treeTexts().isEmpty());
}

QTEST_MAIN(TestNewProject)
#include "tst_newproject.moc"
