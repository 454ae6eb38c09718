// Console entry of the label text tool: prints the composed label texts of menus of the
// program's database, as readable German lines or as JSON lines (UTF-8).
#include "app/labeltext/LabelTextArguments.h"
#include "app/labeltext/LabelTextTool.h"
#include "app/model/MealsDatabase.h"
#include "awt/windows/JovProgramStart.h"
#include "lang/JovException.h"

#include <cstdio>

namespace {

int runLabelText(int argc, char** argv) {
    const LabelTextArguments arguments(argc - 1, argv + 1);
    if (!arguments.isValid()) {
        LabelTextTool::report(stderr, arguments.getError().c_str());
        LabelTextTool::report(stderr, LabelTextArguments::usage);
        return LabelTextTool::badArgumentsExit;
    }
    Connection* connection = nullptr;
    try {
        connection = MealsDatabase::open();
    } catch (const JovException& exception) {
        LabelTextTool::report(stderr, exception.getMessage());
        return LabelTextTool::databaseExit;
    }
    int stampExit = 0;
    try {
        MealsDatabase::stampVersion(connection);
    } catch (const JovException& refusal) {
        LabelTextTool::warnNotStored(stderr, "Versionsnummer", refusal.getMessage());
        stampExit = LabelTextTool::notStoredExit;
    }
    const int exitCode = LabelTextTool(connection, stdout, stderr).run(arguments);
    return exitCode > stampExit ? exitCode : stampExit;
}

} // namespace

int main(int argc, char** argv) {
    return JovProgramStart::runConsoleProgram(argc, argv, &runLabelText);
}
