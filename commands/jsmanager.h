#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVariantList>

// Runs one exported function of the project script "main.js" on test data,
// for the feedback dialog's test. The thread is never started: every call
// waits on the caller's thread for a child process (ScriptRunner) that
// imports the script from disk in a fresh engine, so what runs is what was
// saved last and nothing a script does can take the designer down. A call
// that runs longer than kTimeLimitMs, or outgrows the child's memory bound,
// is ended. The report tells what came back or why nothing did; the flag says
// whether the result had the wanted type.
class JsManager : public QThread
{
    Q_OBJECT

public:
    static constexpr int kTimeLimitMs = 3000;

    static JsManager *instance();
    ~JsManager() override;

    // The first script argument is hexData; the extra arguments follow as
    // numbers or strings. The result is written only when true is returned.
    bool callFuncIntToInt(const QString &functionName, const QString &hexData, const QList<int> &args,
                          int &result, QString &report);
    bool callFuncStrToInt(const QString &functionName, const QString &hexData, const QStringList &args,
                          int &result, QString &report);
    bool callFuncIntToStr(const QString &functionName, const QString &hexData, const QList<int> &args,
                          QString &result, QString &report);
    bool callFuncStrToStr(const QString &functionName, const QString &hexData, const QStringList &args,
                          QString &result, QString &report);

protected:
    void run() override;

private:
    JsManager();

    // What a call gave back, taken out of the engine before it goes.
    struct Outcome {
        enum Kind { Failed, Number, String } kind = Failed;
        int number = 0;
        QString text;
    };
    Outcome call(const QString &functionName, const QString &hexData, const QVariantList &extra,
                 QString &report);
};
