#include "scriptrunner.h"

#include "commands/scriptrunnerchild.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

const int kReapLimitMs = 5000;

ScriptAnswer ended(ScriptAnswer::Kind kind)
{
    ScriptAnswer answer;
    answer.kind = kind;
    return answer;
}

// Ends a child that overran; QProcess::kill cannot be caught or ignored.
void killChild(QProcess &process)
{
    process.kill();
    process.waitForFinished(kReapLimitMs);
}

} // namespace

ScriptRunner::ScriptRunner(const QString &program)
    : m_program(program.isEmpty() ? QCoreApplication::applicationFilePath() : program)
{
}

ScriptAnswer ScriptRunner::run(const ScriptCall &call) const
{
    QProcess process;
    // What the script logs goes where the designer's own diagnostics go, and
    // is not kept in the designer's memory.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(m_program, {QLatin1String(ScriptRunnerChild::kModeArgument)});
    if (!process.waitForStarted(kStartLimitMs))
        return ended(ScriptAnswer::Failed);
    process.write(call.toBytes());
    process.closeWriteChannel();

    // The script's time starts when the child says it is ready, so that a
    // slow start does not eat into it.
    if (process.bytesAvailable() == 0)
        process.waitForReadyRead(kStartLimitMs);
    const bool running = process.state() != QProcess::NotRunning;
    if (running && process.bytesAvailable() == 0) {
        killChild(process);
        return ended(ScriptAnswer::Failed);
    }
    if (running && !process.waitForFinished(call.timeLimitMs)) {
        killChild(process);
        return ended(ScriptAnswer::TimedOut);
    }

    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == ScriptRunnerChild::kOutOfMemoryExit)
        return ended(ScriptAnswer::OutOfMemory);
    const QByteArray bytes = process.readAllStandardOutput();
    ScriptAnswer answer;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || !bytes.startsWith(ScriptRunnerChild::kReady) || !ScriptAnswer::fromBytes(bytes.mid(1), &answer))
        return ended(ScriptAnswer::Failed);
    return answer;
}
