// The one process start of the library's programs: German locale, the toolkit, the program's own
// routine, the message loop while windows exist, and the shut-down.
#pragma once

class JovString;

class JovProgramStart {
public:
    // The program's main routine, given the command line's arguments. Answers the exit code used
    // when it opened no window; once it did, the message loop's exit code is the process's.
    using MainRoutine = int (*)(const JovString* arguments, int count);
    // A console program's routine, given the process's arguments.
    using ConsoleRoutine = int (*)(int argc, char** argv);

    JovProgramStart() = delete;

    // A window program: also echoes the command line to standard output.
    static int runWindowProgram(MainRoutine mainRoutine);
    // A console program writing UTF-8 with plain line feeds, also to a console; no toolkit.
    static int runConsoleProgram(int argc, char** argv, ConsoleRoutine routine);
};
