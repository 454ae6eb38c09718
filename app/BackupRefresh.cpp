// Refreshing the backup copy when setup mode is left.
#include "app/BackupRefresh.h"

#include "awt/JovOptionPane.h"
#include "lang/JovException.h"
#include "text/JovMessageFormat.h"

namespace {

constexpr const char* copyFailedText = "Die Sicherungskopie konnte nicht aktualisiert werden.\n{0}";
constexpr const char* reconnectFailedText =
    "Die Datenbank 'meals' konnte nicht wieder geöffnet werden.\n{0}\nEs wird ein weiterer "
    "Versuch unternommen.";
constexpr const char* deadConnectionText =
    "Die Datenbank 'meals' ist nicht mehr erreichbar.\n{0}\nDas Programm wird beendet, damit "
    "keine Änderungen verloren gehen.";

void tell(const char* pattern, const JovException& failure, const char* title, int kind) {
    const JovString arguments[] = {failure.longText()};
    JovOptionPane::show(nullptr, JovMessageFormat::format(pattern, arguments, 1), title, kind);
}

} // namespace

// A database file that vanished would be opened as a new, empty one; the format check of open
// tells such a connection from the program's database.
Connection* BackupRefresh::run(Connection* current, const JovString& dataSource,
                               const JovString& databasePath, const JovString& backupPath) {
    copy(current, databasePath, backupPath);
    try {
        return MealsDatabase::open(dataSource);
    } catch (const JovException& failure) {
        tell(reconnectFailedText, failure, reconnectTitle, JovOptionPane::WARNING_MESSAGE);
    }
    try {
        return MealsDatabase::open(dataSource);
    } catch (const JovException& failure) {
        tell(deadConnectionText, failure, deadConnectionTitle, JovOptionPane::ERROR_MESSAGE);
        return nullptr;
    }
}

void BackupRefresh::copy(Connection* current, const JovString& databasePath,
                         const JovString& backupPath) {
    try {
        MealsDatabase::copyToBackup(current, databasePath, backupPath);
    } catch (const JovException& failure) {
        tell(copyFailedText, failure, backupTitle, JovOptionPane::WARNING_MESSAGE);
    }
}
