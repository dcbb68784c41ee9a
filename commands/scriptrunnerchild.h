#pragma once

#include "commands/scriptcall.h"

#include <QtGlobal>

// The hidden mode in which the designer's executable runs one script call for
// ScriptRunner: it reads a ScriptCall from standard input, writes kReady and
// then a ScriptAnswer to standard output, and ends. It bounds itself: memory
// (address space where the build allows it, resident memory on Linux), and CPU
// time as a backstop should its parent be gone.
class ScriptRunnerChild
{
public:
    static constexpr char kModeArgument[] = "--brivane-script-runner";
    static constexpr char kReady = 'R';
    static constexpr int kOutOfMemoryExit = 75;
    static constexpr int kFailedExit = 76;
    // What a script may add to the child's resident memory. A feedback
    // function parses a few bytes; far more than that is a runaway, and one
    // that fills memory as fast as the engine can must meet this bound well
    // within its time limit.
    static constexpr qint64 kMemoryLimitBytes = qint64(192) << 20;

    static bool isRunnerMode(int argc, char **argv);
    // The whole life of the child; returns its exit code.
    static int exec(int argc, char **argv);

private:
    static ScriptAnswer evaluate(const ScriptCall &call);
};
