#include "jsmanager.h"

#include "app/globalmanager.h"

#include <QFileInfo>
#include <QJSEngine>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Interrupts the engine from a thread of its own when a call outlives the
// time limit: the call itself blocks the thread it runs on.
class Watchdog
{
public:
    Watchdog(QJSEngine *engine, int milliseconds)
        : m_thread([this, engine, milliseconds] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_finished; })) {
                m_fired = true;
                engine->setInterrupted(true);
            }
        })
    {
    }

    ~Watchdog() { stop(); }

    // Ends the watch; true when it had to interrupt the engine.
    bool stop()
    {
        if (m_thread.joinable()) {
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_finished = true;
            }
            m_done.notify_all();
            m_thread.join();
        }
        return m_fired;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_fired = false;  // written under the mutex, read after the join
    std::thread m_thread;
};

QJSValueList numbers(const QList<int> &args)
{
    QJSValueList values;
    for (int arg : args)
        values.append(QJSValue(arg));
    return values;
}

QJSValueList strings(const QStringList &args)
{
    QJSValueList values;
    for (const QString &arg : args)
        values.append(QJSValue(arg));
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

JsManager::Outcome JsManager::call(const QString &functionName, const QString &hexData, const QJSValueList &extra,
                                   QString &report)
{
    report = tr("func_name: ") + functionName + QLatin1Char('\n') + tr(" data: ") + hexData + QLatin1Char('\n')
             + tr(" return ");
    Outcome outcome;

    // Without a project there is no script to import.
    GlobalManager *manager = GlobalManager::instance();
    const QString path = manager->projectPath().isEmpty() ? QString() : manager->scriptPath();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        report += tr("can not find function name");
        return outcome;
    }

    QJSEngine engine;
    engine.installExtensions(QJSEngine::TranslationExtension | QJSEngine::ConsoleExtension);
    QJSValue result;
    bool missing = false;
    bool interrupted = false;
    {
        Watchdog watchdog(&engine, kTimeLimitMs);
        const QJSValue module = engine.importModule(path);
        if (module.isError()) {
            result = module;
        } else if (!module.hasProperty(functionName)) {
            missing = true;
        } else {
            QJSValueList args;
            args.append(QJSValue(hexData));
            args.append(extra);
            result = module.property(functionName).call(args);
        }
        interrupted = watchdog.stop();
    }

    if (interrupted) {
        report += tr("interrupted: the script ran longer than %1 seconds").arg(kTimeLimitMs / 1000);
    } else if (missing) {
        report += tr("can not find function name");
    } else if (result.isError()) {
        report += tr("Uncaught exception at line ")
                  + QString::number(result.property(QStringLiteral("lineNumber")).toInt()) + QStringLiteral(": ")
                  + result.toString();
    } else if (result.isNumber()) {
        outcome.kind = Outcome::Number;
        outcome.number = result.toInt();
        report += QString::number(outcome.number);
    } else if (result.isString()) {
        outcome.kind = Outcome::String;
        outcome.text = result.toString();
        report += outcome.text;
    } else if (result.isBool()) {
        report += result.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    } else if (result.isNull()) {
        report += QStringLiteral("null ");
    } else {
        report += tr("other result");
    }
    return outcome;
}
