// The database step of start-up: opens and stamps the program's database and tells the user
// when that fails.
#include "app/DatabaseStartup.h"

#include "app/model/MealsDatabase.h"
#include "awt/JovOptionPane.h"
#include "lang/JovFileNotFoundException.h"

namespace {
constexpr const char* errorTitle = "Datenbankfehler...";
constexpr const char* checkSettingsHint = "\nBitte überprüfen Sie die ODBC-Einstellungen.";
constexpr const char* stampRefusedText =
    "Die Versionsnummer wurde nicht in der Datenbank 'meals' gespeichert:\n";

void tellUser(const JovString& problem) {
    JovOptionPane::show(nullptr, problem, errorTitle, JovOptionPane::INFORMATION_MESSAGE);
}
} // namespace

Connection* DatabaseStartup::open(const JovString& dataSource) {
    try {
        return MealsDatabase::open(dataSource);
    } catch (const JovFileNotFoundException&) {
        tellUser(JovString("Die Datenbank 'meals' wurde nicht gefunden.") + checkSettingsHint);
        throw;
    } catch (const JovException&) {
        tellUser(JovString("Die Datenbank 'meals' hat ein ungültiges Format.") + checkSettingsHint);
        throw;
    }
}

bool DatabaseStartup::stamp(Connection* connection) {
    try {
        MealsDatabase::stampVersion(connection);
        return true;
    } catch (const JovException& refusal) {
        tellUser(stampRefusedText + refusal.getMessage());
        return false;
    }
}
