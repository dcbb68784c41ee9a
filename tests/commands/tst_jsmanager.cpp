#include "app/globalmanager.h"
#include "commands/feedbackformdlg.h"
#include "commands/jsmanager.h"
#include "commands/scriptrunner.h"
#include "commands/scriptrunnerchild.h"
#include "core/reportbox.h"
#include "tests/canvas/pagefixture.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

namespace {

const QByteArray kScript = R"(export function plusOne(data, n) { return n + 1; }
export function echo(data) { return data; }
export function fails(data) {
    throw new TypeError("bad " + data);
}
export function nothing() { return undefined; }
export function forever() { for (;;) {} }
export function deeper(n) { return deeper(n + 1) + 1; }
export function grows() { let s = 'x'; for (;;) s = s + s; }
export function fills() { let a = []; for (;;) a.push(new Float64Array(1 << 22).fill(1)); }
export function throwsText() { throw 'plain string'; }
export function throwsNumber() { throw 42; }
export function huge() { return 'x'.repeat(20000000); }
export function rows() { return 'row\n'.repeat(300); }
function hidden() { return 1; }
)";

} // namespace

class TestJsManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reportsEachOutcome_data();
    void reportsEachOutcome();
    void brokenScriptIsReportedWithItsLine();
    void runawayScriptEndsWithItsReason_data();
    void runawayScriptEndsWithItsReason();
    void childWithoutAnswerIsAFailure();
    void largeDesignerLeavesTheScriptItsMemory();
    void testButtonRunsSavedScriptOnTypedData();
    void longReportFitsTheScreenAtOnce();

private:
    void writeScript(const QByteArray &text) { QVERIFY(writeFixture(f.project + "/main.js", text)); }

    pagefixture::ProjectFixture f;
};

void TestJsManager::init()
{
    QVERIFY(f.setUp());
    writeScript(kScript);
}

void TestJsManager::cleanup()
{
    f.tearDown();
}

void TestJsManager::reportsEachOutcome_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<bool>("stringArgs");
    QTest::addColumn<bool>("stringResult");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<bool>("ok");

    QTest::newRow("integer to integer") << "plusOne" << false << false << "42" << true;
    QTest::newRow("string to string concatenates") << "plusOne" << true << true << "411" << true;
    QTest::newRow("integer wanted, string returned") << "plusOne" << true << false << "411" << false;
    QTest::newRow("data reaches the script upper-case") << "echo" << true << true << "0A1B" << true;
    QTest::newRow("not exported") << "hidden" << false << false << "can not find function name" << false;
    QTest::newRow("thrown error") << "fails" << false << false
                                  << "Uncaught exception at line 4: TypeError: bad 0A1B" << false;
    QTest::newRow("undefined") << "nothing" << false << false << "other result" << false;
    QTest::newRow("thrown string") << "throwsText" << true << true << "Uncaught exception at line 0: plain string"
                                   << false;
    QTest::newRow("thrown number") << "throwsNumber" << false << false << "Uncaught exception at line 0: 42" << false;
}

void TestJsManager::reportsEachOutcome()
{
    QFETCH(QString, function);
    QFETCH(bool, stringArgs);
    QFETCH(bool, stringResult);
    QFETCH(QString, returned);
    QFETCH(bool, ok);

    JsManager *js = JsManager::instance();
    QString report;
    int number = -7;
    QString text = "untouched";
    bool result = false;
    if (!stringArgs && !stringResult)
        result = js->callFuncIntToInt(function, "0A1B", {41}, number, report);
    else if (!stringArgs)
        result = js->callFuncIntToStr(function, "0A1B", {41}, text, report);
    else if (!stringResult)
        result = js->callFuncStrToInt(function, "0A1B", {"41"}, number, report);
    else
        result = js->callFuncStrToStr(function, "0A1B", {"41"}, text, report);

    QCOMPARE(report, "func_name: " + function + "\n data: 0A1B\n return " + returned);
    QCOMPARE(result, ok);
    // The result is written only when its type was the wanted one.
    if (stringResult)
        QCOMPARE(text, ok ? returned : QString("untouched"));
    else
        QCOMPARE(number, ok ? returned.toInt() : -7);
}

void TestJsManager::brokenScriptIsReportedWithItsLine()
{
    writeScript("export function f() {\n  return 1 +;\n}\n");
    QString report;
    int number = 0;
    QVERIFY(!JsManager::instance()->callFuncIntToInt("f", "", {0}, number, report));
    QVERIFY2(report.contains(" return Uncaught exception at line 2: SyntaxError"), qPrintable(report));
}

void TestJsManager::runawayScriptEndsWithItsReason_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("reason");
    QTest::newRow("endless loop") << "forever" << "interrupted: the script ran longer than 3 seconds";
    // Took the whole process down when scripts ran inside it.
    QTest::newRow("string grows without end") << "grows" << "interrupted: the script ran out of memory";
    // Qt's own string limit ends the string first; an array has none but the child's bound.
    QTest::newRow("array grows without end") << "fills" << "interrupted: the script ran out of memory";
    QTest::newRow("runaway recursion") << "deeper" << "Uncaught exception at line 0: RangeError";
}

void TestJsManager::runawayScriptEndsWithItsReason()
{
    QFETCH(QString, function);
    QFETCH(QString, reason);
    QElapsedTimer clock;
    clock.start();
    QString report;
    int number = 0;
    QVERIFY(!JsManager::instance()->callFuncIntToInt(function, "", {0}, number, report));
    QVERIFY(clock.elapsed() < JsManager::kTimeLimitMs + 5000);
    QVERIFY2(report.contains("\n return " + reason), qPrintable(report));
    // The next call runs normally.
    QVERIFY(JsManager::instance()->callFuncIntToInt("plusOne", "", {1}, number, report));
    QCOMPARE(number, 2);
}

void TestJsManager::childWithoutAnswerIsAFailure()
{
    const ScriptCall call{f.project + "/main.js", "plusOne", "", {1}, 1000};
    QCOMPARE(ScriptRunner("/bin/true").run(call).kind, ScriptAnswer::Failed);
}

void TestJsManager::largeDesignerLeavesTheScriptItsMemory()
{
    // A child's peak memory starts at what its parent held when it forked:
    // only what the script adds counts against the bound.
    const QByteArray held(int(ScriptRunnerChild::kMemoryLimitBytes * 3 / 2), 'x');
    QString report;
    int number = 0;
    QVERIFY2(JsManager::instance()->callFuncIntToInt("plusOne", "", {1}, number, report), qPrintable(report));
    QCOMPARE(number, 2);
}

void TestJsManager::testButtonRunsSavedScriptOnTypedData()
{
    FeedBackFormDlg dialog;
    dialog.setData(QJsonObject{{"function_name", " echo "}, {"test_data", "0a 1"}, {"feedback_type", 1},
                               {"in_args_type", 1}, {"out_args_type", 1}});
    dialog.findChild<QLineEdit *>("lineEdit_5")->clear();
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QCOMPARE(f.notifier->texts(), QStringList{"func_name: echo\n data: 0A01\n return 0A01"});
    // Saved meanwhile by the script editor: the next test runs the new text.
    writeScript("export function echo(data) { return '<b>' + data; }");
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QVERIFY(f.notifier->texts().last().endsWith(" return <b>0A01"));
    QCOMPARE(dialog.result(), QJsonObject());
}

void TestJsManager::longReportFitsTheScreenAtOnce()
{
    FeedBackFormDlg dialog;
    dialog.setData(QJsonObject{{"feedback_type", 1}, {"out_args_type", 1}});
    // The real box this time, not the test's answers.
    f.notifier.reset();
    for (const char *function : {"huge", "rows"}) {
        dialog.findChild<QLineEdit *>("lineEdit_3")->setText(function);
        QString shown;
        bool fits = false;
        bool scrolls = false;
        whenShown<QDialog>([&](QDialog *box) {
            if (auto *report = qobject_cast<ReportBox *>(box)) {
                shown = report->textView()->toPlainText();
                fits = report->screen()->availableGeometry().contains(report->frameGeometry());
                scrolls = report->textView()->verticalScrollBar()->maximum() > 0;
                saveGrabIfAsked(report->grab().toImage(), QStringLiteral("report_%1.png").arg(shown.size()));
            }
            box->done(QDialog::Accepted);
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(fits && scrolls);
        const bool huge = QLatin1String(function) == "huge";
        QVERIFY(shown.endsWith(huge ? "(内容过长，只显示了前 20000 个字符)" : "row\nrow\n"));
    }
}

// Started again in the script runner's mode by every call under test.
int main(int argc, char **argv)
{
    if (ScriptRunnerChild::isRunnerMode(argc, argv))
        return ScriptRunnerChild::exec(argc, argv);
    QApplication app(argc, argv);
    TestJsManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jsmanager.moc"
