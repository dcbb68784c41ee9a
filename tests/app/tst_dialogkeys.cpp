#include "app/initdlg.h"
#include "commands/codeeditordlg.h"
#include "commands/feedbackformdlg.h"
#include "commands/kivtoolstringassistant.h"
#include "commands/midctrformdlg.h"
#include "commands/midctrlcmdformdlg.h"
#include "commands/midctrldlg.h"
#include "commands/morecmddlg.h"
#include "commands/mousekeydlg.h"
#include "commands/replacecmddlg.h"
#include "core/designerfolders.h"
#include "core/reportbox.h"
#include "preview/pagedlg.h"
#include "shell/changepagesizedg.h"
#include "shell/imgdlg.h"
#include "shell/infodlg.h"
#include "shell/newfiledlg.h"
#include "shell/newprojectdlg.h"
#include "shell/qruner.h"
#include "tests/canvas/pagefixture.h"
#include "transfer/datadlg.h"
#include "wall/gridmanagerdlg.h"
#include "wall/gridsettingdlg.h"

#include <QDialogButtonBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using AcceptButton = std::function<QPushButton *(QDialog *)>;

AcceptButton named(const char *objectName)
{
    return [objectName](QDialog *dialog) { return dialog->findChild<QPushButton *>(QLatin1String(objectName)); };
}

const AcceptButton kNone = [](QDialog *) { return nullptr; };

// Every dialog the program builds, and the button Enter presses in it (none:
// Enter presses nothing there).
struct DialogCase {
    const char *className;
    std::function<QDialog *()> make;
    AcceptButton accept;
};

const DialogCase kDialogs[] = {
    {"InitDlg", [] { return new InitDlg; }, named("initDataBtn")},
    {"ChangePageSizeDg", [] { return new ChangePageSizeDg; }, named("pushButton_2")},
    {"InfoDlg", [] { return new InfoDlg; }, kNone},
    {"QRuner", [] { return new QRuner; }, named("okButton")},
    {"NewProjectDlg", [] { return new NewProjectDlg; }, named("pushButton_2")},
    {"ImgDlg", [] { return new ImgDlg; }, named("pushButton_2")},
    {"NewFileDlg", [] { return new NewFileDlg; }, named("pushButton_2")},
    {"ReportBox", [] { return new ReportBox(QMessageBox::Information, "提示", "text"); },
     [](QDialog *dialog) { return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok); }},
    {"PageDlg",
     [] {
         auto *dialog = new PageDlg;
         dialog->loadPages({pagefixture::info(DesignerFolders::instance()->projectDir(), QStringLiteral("home"))});
         return dialog;
     },
     kNone},
    {"DataDlg", [] { return new DataDlg; }, kNone},
    {"MidCtrFormDlg", [] { return new MidCtrFormDlg; }, named("pushButton")},
    {"MidCtrlDlg", [] { return new MidCtrlDlg; }, kNone},
    {"CodeEditorDlg", [] { return new CodeEditorDlg; }, kNone},
    {"KivToolStringAssistant", [] { return new KivToolStringAssistant; }, kNone},
    {"MoreCmdDlg", [] { return new MoreCmdDlg; }, kNone},
    {"MouseKeyDlg", [] { return new MouseKeyDlg; }, kNone},
    {"MidCtrlCmdFormDlg", [] { return new MidCtrlCmdFormDlg; }, named("pushButton")},
    {"FeedBackFormDlg", [] { return new FeedBackFormDlg; }, named("pushButton_3")},
    {"ReplaceCmdDlg", [] { return new ReplaceCmdDlg; }, named("pushButton")},
    {"GridSettingDlg", [] { return new GridSettingDlg; }, named("pushButton")},
    {"GridManagerDlg", [] { return new GridManagerDlg; }, kNone},
};

const DialogCase &dialogCase(const QString &className)
{
    for (const DialogCase &each : kDialogs) {
        if (className == QLatin1String(each.className))
            return each;
    }
    qFatal("no such dialog");
}

// The rows of every table and list of the dialog.
QVector<int> rowCounts(QDialog *dialog)
{
    QVector<int> counts;
    for (const QTableWidget *table : dialog->findChildren<QTableWidget *>())
        counts.append(table->rowCount());
    for (const QListWidget *list : dialog->findChildren<QListWidget *>())
        counts.append(list->count());
    return counts;
}

} // namespace

class TestDialogKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyDialogIsChecked();
    void onlyTheAcceptButtonIsDefault_data();
    void onlyTheAcceptButtonIsDefault();
    void enterOpensNoWindowAndAddsNoRow_data();
    void enterOpensNoWindowAndAddsNoRow();

private:
    pagefixture::ProjectFixture f;
};

void TestDialogKeys::init()
{
    QVERIFY(f.setUp());
    QVERIFY(pagefixture::writePage(f.pagePath("home"),
                                   {pagefixture::pageObject(1920, 1080),
                                    pagefixture::control("PageButton", "go", 10, 10, 200, 100)}));
}

void TestDialogKeys::cleanup()
{
    f.tearDown();
}

// A dialog added to the program without a row above fails here.
void TestDialogKeys::everyDialogIsChecked()
{
    const QRegularExpression declaration(QStringLiteral("class\\s+(\\w+)\\s*:\\s*public\\s+QDialog\\b"));
    const QDir sources(QStringLiteral(BRIVANE_SOURCE_DIR));
    QStringList declared;
    QDirIterator it(sources.path(), {"*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // The program's own folders: not the tests, nor a build's generated files.
        const QString top = sources.relativeFilePath(path).section(QLatin1Char('/'), 0, 0);
        if (top == QLatin1String("tests") || top.startsWith(QLatin1String("build")))
            continue;
        auto matches = declaration.globalMatch(QString::fromUtf8(readFixture(path)));
        while (matches.hasNext())
            declared << matches.next().captured(1);
    }
    QStringList checked;
    for (const DialogCase &each : kDialogs)
        checked << QLatin1String(each.className);
    declared.sort();
    checked.sort();
    QCOMPARE(declared, checked);
}

void TestDialogKeys::onlyTheAcceptButtonIsDefault_data()
{
    QTest::addColumn<QString>("className");
    for (const DialogCase &each : kDialogs)
        QTest::newRow(each.className) << QString::fromLatin1(each.className);
}

// A button that is default, or becomes so when it takes the focus, is what
// Enter presses.
void TestDialogKeys::onlyTheAcceptButtonIsDefault()
{
    QFETCH(QString, className);
    const DialogCase &tested = dialogCase(className);
    std::unique_ptr<QDialog> dialog(tested.make());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QPushButton *accept = tested.accept(dialog.get());
    if (accept)
        QVERIFY(accept->isDefault());
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button != accept)
            QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->text()));
    }
}

void TestDialogKeys::enterOpensNoWindowAndAddsNoRow_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("field");   // empty: wherever the focus is when it opens
    QTest::newRow("project name of 新建") << "NewProjectDlg" << "lineEdit";
    QTest::newRow("project images, just opened") << "ImgDlg" << "";
    QTest::newRow("key list") << "MouseKeyDlg" << "";
    QTest::newRow("address in the command list") << "MoreCmdDlg" << "lineEdit";
}

void TestDialogKeys::enterOpensNoWindowAndAddsNoRow()
{
    QFETCH(QString, className);
    QFETCH(QString, field);
    const DialogCase &tested = dialogCase(className);
    std::unique_ptr<QDialog> dialog(tested.make());
    if (auto *images = qobject_cast<ImgDlg *>(dialog.get())) {
        QVERIFY(writeColourPicture(f.project + "/logo.png", Qt::red));
        images->setPath(f.project);
    }
    if (auto *folder = dialog->findChild<QLineEdit *>("lineEdit_2"); folder && className == "NewProjectDlg")
        folder->setText(f.workDir->path());
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QVector<int> rows = rowCounts(dialog.get());

    // Whatever window comes up over the dialog is counted and closed again.
    QWidgetList before;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            before << window;
    }
    QStringList opened;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && !before.contains(window)) {
                opened << window->metaObject()->className();
                window->close();
            }
        }
    });
    closer.start(0);
    QWidget *target = field.isEmpty() ? dialog->focusWidget() : dialog->findChild<QWidget *>(field);
    QTest::keyClick(target ? target : dialog.get(), Qt::Key_Return);
    QCoreApplication::processEvents();
    closer.stop();

    QCOMPARE(opened, QStringList());
    QCOMPARE(f.notifier->prompts().size(), 0);
    QCOMPARE(rowCounts(dialog.get()), rows);
    // Enter presses the accept button where there is one, else nothing.
    const bool accepts = tested.accept(dialog.get()) != nullptr;
    QCOMPARE(dialog->isVisible(), !accepts);
    QCOMPARE(dialog->result(), int(accepts ? QDialog::Accepted : QDialog::Rejected));
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialogkeys.moc"
