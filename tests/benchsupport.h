#pragma once

// What every benchmark program shares: a quiet message handler, the process's
// peak memory and elapsed milliseconds.

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTextStream>

#include <cstdio>

namespace benchsupport {

// Debug output is dropped while a benchmark runs; real errors still show.
inline void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Peak resident set of the process so far, in KiB (0 where /proc is missing).
inline long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (line.startsWith(QLatin1String("VmHWM:")))
            return line.mid(6).trimmed().section(QLatin1Char(' '), 0, 0).toLong();
    }
    return 0;
}

inline double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

} // namespace benchsupport
