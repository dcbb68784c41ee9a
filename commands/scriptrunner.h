#pragma once

#include "commands/scriptcall.h"

#include <QString>

// Runs one call of a script function in a child process, so that whatever the
// script does (loops, eats memory, recurses, crashes the engine) the designer
// lives on. The child is a program that handles ScriptRunnerChild's mode - the
// designer's own executable by default. It gets the call's time limit once it
// is ready to run the script and is killed when it overruns; it bounds its own
// memory (ScriptRunnerChild).
class ScriptRunner
{
public:
    // How long a child may take to start before it counts as failed.
    static constexpr int kStartLimitMs = 15000;

    explicit ScriptRunner(const QString &program = QString());

    ScriptAnswer run(const ScriptCall &call) const;

private:
    QString m_program;
};
