// Process start and end of the library's window and console programs.

#include "awt/windows/JovProgramStart.h"

#include "awt/windows/JovMToolkit.h"
#include "awt/windows/JovThread.h"
#include "io/JovPrintWriter.h"
#include "lang/JovPlatform.h"
#include "util/JovStringTokenizer.h"

#include <clocale>
#include <cstdio>
#include <memory>
#include <windows.h>

namespace {

// How long the end of the program waits for threads that are still finishing.
constexpr int threadEndMilliseconds = 2000;

// The command line without the program's name, as the system hands it to a window program:
// a quoted name ends at its closing quote, an unquoted one at the first blank.
const char* argumentText(const char* commandLine) {
    const char* text = commandLine;
    if (*text == '"') {
        ++text;
        while (*text != '\0' && *text != '"')
            ++text;
        if (*text == '"')
            ++text;
    } else {
        while (*text != '\0' && *text != ' ' && *text != '\t')
            ++text;
    }
    while (*text == ' ' || *text == '\t')
        ++text;
    return text;
}

// As many arguments as the text has runs of non-blanks, each the tokenizer's next token.
std::unique_ptr<JovString[]> splitArguments(const JovString& text, int& count) {
    JovStringTokenizer tokenizer(text);
    count = tokenizer.countTokens();
    std::unique_ptr<JovString[]> arguments(new JovString[count]);
    for (int i = 0; i < count; ++i)
        arguments[i] = tokenizer.nextToken();
    return arguments;
}

void useGermanLocale() {
    std::setlocale(LC_ALL, JovPlatform::germanLocaleName());
}

} // namespace

int JovProgramStart::runWindowProgram(MainRoutine mainRoutine) {
    useGermanLocale();
    const char* commandLine = GetCommandLineA();
    JovPrintWriter::standardOutput().println(commandLine);
    JovMToolkit* toolkit = JovMToolkit::initialize(GetModuleHandleA(nullptr));
    int count = 0;
    int exitCode = 0;
    {
        const std::unique_ptr<JovString[]> arguments =
            splitArguments(argumentText(commandLine), count);
        exitCode = mainRoutine(arguments.get(), count);
    }
    // A main routine that failed has told the user why; there is nothing left to run.
    if (exitCode == 0 && toolkit->isMessageLoopRequested())
        exitCode = toolkit->runMessageLoop();
    JovMToolkit::shutdown();
    JovThread::awaitRunningThreads(threadEndMilliseconds);
    return exitCode;
}

int JovProgramStart::runConsoleProgram(int argc, char** argv, ConsoleRoutine routine) {
    useGermanLocale();
    JovPlatform::useBinaryMode(stdout);
    JovPlatform::useBinaryMode(stderr);
    SetConsoleOutputCP(CP_UTF8);
    return routine(argc, argv);
}
