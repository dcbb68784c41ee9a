#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>

// What the designer asks of a script runner child and what the child answers:
// the two sides of one pipe, read and written with the same code.

struct ScriptCall {
    QString scriptPath;
    QString functionName;
    QString hexData;     // the first argument
    QVariantList args;   // ints or strings, after it
    int timeLimitMs = 0;

    QByteArray toBytes() const;
    // False when the bytes are not a whole call.
    static bool fromBytes(const QByteArray &bytes, ScriptCall *call);
};

struct ScriptAnswer {
    // How the function's run ended. The last three are the runner's own.
    enum Kind { Number, String, Bool, Null, Other, Missing, Thrown, TimedOut, OutOfMemory, Failed };

    Kind kind = Failed;
    int number = 0;   // Number: ToInt32 of the result; Bool: 0 or 1; Thrown: the line
    QString text;     // String: the result; Thrown: the thrown value as text

    // Texts longer than this come back cut: the designer must not take in all
    // a child can build within its memory bound.
    static constexpr int kMaxTextLength = 32 * 1024 * 1024;

    QByteArray toBytes() const;
    static bool fromBytes(const QByteArray &bytes, ScriptAnswer *answer);
};
