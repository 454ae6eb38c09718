#include "app/DatabaseStartup.h"

#include "app/model/MealsDatabase.h"
#include "awt/JovOptionPane.h"
#include "lang/JovFileNotFoundException.h"

namespace {
constexpr const char* errorTitle = "Datenbankfehler...";
constexpr const char* checkSettingsHint = "\nBitte überprüfen Sie die ODBC-Einstellungen.";

void tellUser(const char* problem) {
    JovOptionPane::show(nullptr, JovString(problem) + checkSettingsHint, errorTitle,
                        JovOptionPane::INFORMATION_MESSAGE);
}
} // namespace

Connection* DatabaseStartup::open(const JovString& dataSource) {
    try {
        return MealsDatabase::open(dataSource);
    } catch (const JovFileNotFoundException&) {
        tellUser("Die Datenbank 'meals' wurde nicht gefunden.");
        throw;
    } catch (const JovException&) {
        tellUser("Die Datenbank 'meals' hat ein ungültiges Format.");
        throw;
    }
}
