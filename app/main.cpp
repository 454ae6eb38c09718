// Process entry of the program: German locale, the command line echoed, then the start-up.
#include "app/DatabaseStartup.h"
#include "app/model/MealsDatabase.h"
#include "io/JovPrintWriter.h"
#include "lang/JovException.h"
#include "lang/JovPlatform.h"

#include <clocale>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::setlocale(LC_ALL, JovPlatform::germanLocaleName());
    JovPrintWriter& out = JovPrintWriter::standardOutput();
    out.println(GetCommandLineA());
    try {
        DatabaseStartup::open(MealsDatabase::dataSourceName);
    } catch (const JovException&) {
        // The user has been told; start-up ends without a window.
        return 0;
    }
    out.println(JovString("Start erfolgreich: Datenbank 'meals' bereit, Version ") +
                JovString::valueOf(MealsDatabase::programVersion) + " eingetragen.");
    out.flush();
    return 0;
}
