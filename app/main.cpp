// Process entry of the program: the toolkit's program start runs the application's main routine.
#include "app/DatabaseStartup.h"
#include "app/model/MealsDatabase.h"
#include "awt/windows/JovProgramStart.h"
#include "io/JovPrintWriter.h"
#include "lang/JovException.h"

namespace {

// The exit code when the database could not be opened and the user has been told.
constexpr int startFailedExit = 1;

// The application's main routine. The arguments are split but not used.
int runApplication(const JovString*, int) {
    Connection* connection = nullptr;
    try {
        connection = DatabaseStartup::open(MealsDatabase::dataSourceName);
    } catch (const JovException&) {
        return startFailedExit;
    }
    JovPrintWriter& out = JovPrintWriter::standardOutput();
    if (DatabaseStartup::stamp(connection)) {
        out.println(JovString("Start erfolgreich: Datenbank 'meals' bereit, Version ") +
                    JovString::valueOf(MealsDatabase::programVersion) + " eingetragen.");
    } else {
        out.println("Start mit Warnung: Datenbank 'meals' bereit, Version nicht eingetragen.");
    }
    out.flush();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&runApplication);
}
