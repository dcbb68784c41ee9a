#include "scriptrunnerchild.h"

#include <QCoreApplication>
#include <QFile>
#include <QJSEngine>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define BRIVANE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIVANE_ASAN 1
#endif
#endif

namespace {

// Room for the program, its libraries and the engine's reservations beside
// the resident bound; a sudden huge request fails here at once.
const qint64 kAddressSpaceLimitBytes = qint64(4) << 30;
// Start-up and engine set-up count against the CPU bound too.
const int kCpuSlackSeconds = 5;
const std::chrono::milliseconds kMemoryPollInterval(10);

// QJSValue::call hands a thrown value back as if it had been returned; a
// JavaScript try block tells the two apart.
const char kGuardedCall[] = "(function (f, args) {\n"
                            "    try { return { value: f.apply(this, args) }; }\n"
                            "    catch (e) { return { thrown: e }; }\n"
                            "})";

// The engine's own allocation failures end in std::bad_alloc that nothing can
// catch across its frames.
[[noreturn]] void onTerminate()
{
    int code = ScriptRunnerChild::kFailedExit;
    try {
        if (const std::exception_ptr exception = std::current_exception())
            std::rethrow_exception(exception);
    } catch (const std::bad_alloc &) {
        code = ScriptRunnerChild::kOutOfMemoryExit;
    } catch (...) {
    }
    std::_Exit(code);
}

#ifdef Q_OS_LINUX
// What the process holds resident now. Not its peak: a child's peak starts at
// what its parent held when it forked, so a designer grown large would make
// every call look like a runaway.
qint64 residentBytes(int statm)
{
    char text[64] = {};
    if (pread(statm, text, sizeof text - 1, 0) <= 0)
        return 0;
    long long sizePages = 0;
    long long residentPages = 0;
    if (std::sscanf(text, "%lld %lld", &sizePages, &residentPages) != 2)
        return 0;
    return qint64(residentPages) * sysconf(_SC_PAGESIZE);
}
#endif

void boundMemory()
{
    std::set_terminate(onTerminate);
#if defined(Q_OS_UNIX) && !defined(BRIVANE_ASAN)
    // The sanitizer reserves terabytes of shadow at start: under it an
    // address-space limit would refuse every allocation.
    const rlimit space{rlim_t(kAddressSpaceLimitBytes), rlim_t(kAddressSpaceLimitBytes)};
    setrlimit(RLIMIT_AS, &space);
#endif
#ifdef Q_OS_LINUX
    // Memory that grows bit by bit stays below the address-space limit for a
    // long time; resident memory tells first.
    const int statm = open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (statm < 0)
        return;
    std::thread([statm] {
        const qint64 startBytes = residentBytes(statm);
        for (;;) {
            if (residentBytes(statm) - startBytes > ScriptRunnerChild::kMemoryLimitBytes)
                std::_Exit(ScriptRunnerChild::kOutOfMemoryExit);
            std::this_thread::sleep_for(kMemoryPollInterval);
        }
    }).detach();
#endif
}

// The parent kills a child that overruns; this ends one whose parent is gone.
void boundCpuTime(int timeLimitMs)
{
#ifdef Q_OS_UNIX
    const rlim_t seconds = rlim_t(timeLimitMs / 1000 + kCpuSlackSeconds);
    const rlimit cpu{seconds, seconds};
    setrlimit(RLIMIT_CPU, &cpu);
#else
    Q_UNUSED(timeLimitMs)
#endif
}

// Standard output carries the answer alone: whatever else is printed goes to
// standard error.
int takeAnswerChannel()
{
#ifdef Q_OS_UNIX
    const int answer = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    return answer;
#else
    return fileno(stdout);
#endif
}

ScriptAnswer thrown(const QJSValue &value)
{
    ScriptAnswer answer;
    answer.kind = ScriptAnswer::Thrown;
    answer.number = value.property(QStringLiteral("lineNumber")).toInt();
    answer.text = value.toString();
    return answer;
}

ScriptAnswer returned(const QJSValue &value)
{
    ScriptAnswer answer;
    if (value.isNumber()) {
        answer.kind = ScriptAnswer::Number;
        answer.number = value.toInt();
    } else if (value.isString()) {
        answer.kind = ScriptAnswer::String;
        answer.text = value.toString();
    } else if (value.isBool()) {
        answer.kind = ScriptAnswer::Bool;
        answer.number = value.toBool() ? 1 : 0;
    } else {
        answer.kind = value.isNull() ? ScriptAnswer::Null : ScriptAnswer::Other;
    }
    return answer;
}

} // namespace

bool ScriptRunnerChild::isRunnerMode(int argc, char **argv)
{
    return argc == 2 && std::strcmp(argv[1], kModeArgument) == 0;
}

int ScriptRunnerChild::exec(int argc, char **argv)
{
    boundMemory();
    QFile answerChannel;
    if (!answerChannel.open(takeAnswerChannel(), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return kFailedExit;
    QCoreApplication application(argc, argv);

    QFile input;
    ScriptCall call;
    if (!input.open(stdin, QIODevice::ReadOnly) || !ScriptCall::fromBytes(input.readAll(), &call))
        return kFailedExit;
    boundCpuTime(call.timeLimitMs);
    answerChannel.write(&kReady, 1);
    answerChannel.flush();

    answerChannel.write(evaluate(call).toBytes());
    return answerChannel.flush() ? 0 : kFailedExit;
}

ScriptAnswer ScriptRunnerChild::evaluate(const ScriptCall &call)
{
    QJSEngine engine;
    engine.installExtensions(QJSEngine::TranslationExtension | QJSEngine::ConsoleExtension);
    const QJSValue module = engine.importModule(call.scriptPath);
    if (module.isError())
        return thrown(module);
    if (!module.hasProperty(call.functionName)) {
        ScriptAnswer answer;
        answer.kind = ScriptAnswer::Missing;
        return answer;
    }
    const QJSValue function = module.property(call.functionName);
    // What calling a value that is no function gives.
    if (!function.isCallable())
        return returned(QJSValue());

    QJSValue args = engine.newArray(uint(call.args.size() + 1));
    args.setProperty(0, call.hexData);
    for (int i = 0; i < call.args.size(); ++i) {
        const QVariant &arg = call.args.at(i);
        const QJSValue value = arg.type() == QVariant::Int ? QJSValue(arg.toInt()) : QJSValue(arg.toString());
        args.setProperty(quint32(i + 1), value);
    }
    const QJSValue outcome = engine.evaluate(QLatin1String(kGuardedCall)).call({function, args});
    if (outcome.hasOwnProperty(QStringLiteral("thrown")))
        return thrown(outcome.property(QStringLiteral("thrown")));
    return returned(outcome.property(QStringLiteral("value")));
}
