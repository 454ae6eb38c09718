// Process entry of the program: German locale, the command line echoed, the toolkit, the
// application's main routine, then the message loop when a window asked for one.
#include "app/DatabaseStartup.h"
#include "app/model/MealsDatabase.h"
#include "awt/windows/JovMToolkit.h"
#include "io/JovPrintWriter.h"
#include "lang/JovException.h"
#include "lang/JovPlatform.h"
#include "util/JovStringTokenizer.h"

#include <clocale>
#include <windows.h>

namespace {

// The application's main routine. The arguments are split but not used.
void runApplication(const JovString*, int) {
    Connection* connection = nullptr;
    try {
        connection = DatabaseStartup::open(MealsDatabase::dataSourceName);
    } catch (const JovException&) {
        // The user has been told; start-up ends without a window.
        return;
    }
    JovPrintWriter& out = JovPrintWriter::standardOutput();
    if (DatabaseStartup::stamp(connection)) {
        out.println(JovString("Start erfolgreich: Datenbank 'meals' bereit, Version ") +
                    JovString::valueOf(MealsDatabase::programVersion) + " eingetragen.");
    } else {
        out.println("Start mit Warnung: Datenbank 'meals' bereit, Version nicht eingetragen.");
    }
    out.flush();
}

// As many arguments as the text has runs of non-blanks, each the tokenizer's next token.
JovString* splitArguments(const JovString& text, int& count) {
    JovStringTokenizer tokenizer(text);
    count = tokenizer.countTokens();
    auto* arguments = new JovString[count];
    for (int i = 0; i < count; ++i) {
        arguments[i] = tokenizer.nextToken();
    }
    return arguments;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR argumentText, int) {
    std::setlocale(LC_ALL, JovPlatform::germanLocaleName());
    JovPrintWriter::standardOutput().println(GetCommandLineA());
    JovMToolkit* toolkit = JovMToolkit::initialize(instance);
    int count = 0;
    JovString* arguments = splitArguments(argumentText, count);
    runApplication(arguments, count);
    delete[] arguments;
    const int exitCode = toolkit->isMessageLoopRequested() ? toolkit->runMessageLoop() : 0;
    JovMToolkit::shutdown();
    return exitCode;
}
