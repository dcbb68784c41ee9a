#include "jsmanager.h"

#include "commands/scriptrunner.h"
#include "core/designerfolders.h"

#include <QFileInfo>

namespace {

QVariantList numbers(const QList<int> &args)
{
    QVariantList values;
    for (int arg : args)
        values.append(arg);
    return values;
}

QVariantList strings(const QStringList &args)
{
    QVariantList values;
    for (const QString &arg : args)
        values.append(arg);
    return values;
}

} // namespace

JsManager::JsManager() = default;

JsManager::~JsManager()
{
    if (isRunning()) {
        quit();
        wait();
    }
}

JsManager *JsManager::instance()
{
    static JsManager *manager = new JsManager;
    return manager;
}

void JsManager::run()
{
}

bool JsManager::callFuncIntToInt(const QString &functionName, const QString &hexData, const QList<int> &args,
                                 int &result, QString &report)
{
    const Outcome outcome = call(functionName, hexData, numbers(args), report);
    if (outcome.kind != Outcome::Number)
        return false;
    result = outcome.number;
    return true;
}

bool JsManager::callFuncStrToInt(const QString &functionName, const QString &hexData, const QStringList &args,
                                 int &result, QString &report)
{
    const Outcome outcome = call(functionName, hexData, strings(args), report);
    if (outcome.kind != Outcome::Number)
        return false;
    result = outcome.number;
    return true;
}

bool JsManager::callFuncIntToStr(const QString &functionName, const QString &hexData, const QList<int> &args,
                                 QString &result, QString &report)
{
    const Outcome outcome = call(functionName, hexData, numbers(args), report);
    if (outcome.kind != Outcome::String)
        return false;
    result = outcome.text;
    return true;
}

bool JsManager::callFuncStrToStr(const QString &functionName, const QString &hexData, const QStringList &args,
                                 QString &result, QString &report)
{
    const Outcome outcome = call(functionName, hexData, strings(args), report);
    if (outcome.kind != Outcome::String)
        return false;
    result = outcome.text;
    return true;
}

JsManager::Outcome JsManager::call(const QString &functionName, const QString &hexData, const QVariantList &extra,
                                   QString &report)
{
    report = tr("func_name: ") + functionName + QLatin1Char('\n') + tr(" data: ") + hexData + QLatin1Char('\n')
             + tr(" return ");
    Outcome outcome;

    // Without a project there is no script to import.
    const QString path = DesignerFolders::instance()->scriptPath();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        report += tr("can not find function name");
        return outcome;
    }

    const ScriptAnswer answer = ScriptRunner().run({path, functionName, hexData, extra, kTimeLimitMs});
    switch (answer.kind) {
    case ScriptAnswer::Number:
        outcome.kind = Outcome::Number;
        outcome.number = answer.number;
        report += QString::number(answer.number);
        break;
    case ScriptAnswer::String:
        outcome.kind = Outcome::String;
        outcome.text = answer.text;
        report += answer.text;
        break;
    case ScriptAnswer::Bool:
        report += answer.number ? QStringLiteral("true") : QStringLiteral("false");
        break;
    case ScriptAnswer::Null:
        report += QStringLiteral("null ");
        break;
    case ScriptAnswer::Other:
        report += tr("other result");
        break;
    case ScriptAnswer::Missing:
        report += tr("can not find function name");
        break;
    case ScriptAnswer::Thrown:
        report += tr("Uncaught exception at line ") + QString::number(answer.number) + QStringLiteral(": ")
                  + answer.text;
        break;
    case ScriptAnswer::TimedOut:
        report += tr("interrupted: the script ran longer than %1 seconds").arg(kTimeLimitMs / 1000);
        break;
    case ScriptAnswer::OutOfMemory:
        report += tr("interrupted: the script ran out of memory");
        break;
    case ScriptAnswer::Failed:
        report += tr("interrupted: the script runner ended abnormally");
        break;
    }
    return outcome;
}
