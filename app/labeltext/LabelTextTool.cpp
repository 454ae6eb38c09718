// Composing and writing the label texts of menus.

#include "app/labeltext/LabelTextTool.h"

#include "app/labeltext/LabelPicture.h"
#include "app/labeltext/LabelTextArguments.h"
#include "app/labeltext/LabelTexts.h"
#include "app/model/CompositionRows.h"
#include "app/model/MealComposer.h"
#include "app/model/ScopedStatement.h"
#include "app/model/ScopedTransaction.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "lang/JovException.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"
#include "odbcdriver/Cp1252.h"
#include "sql/ResultSet.h"

#include <algorithm>

namespace {

// The menu search for "*" outside setup mode: every menu except the reserved row.
constexpr const char* allMenusQuery = "SELECT * FROM Menues WHERE (Name LIKE '%%%' OR "
                                      "ID LIKE '%%%') AND ID <> 0 ORDER BY ID ASC;";
constexpr const char* unreadableIdText =
    "Ein Menü mit einer Art.-Nr. außerhalb des Zahlenbereichs wird übergangen.";

void write(std::FILE* stream, const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

} // namespace

LabelTextTool::LabelTextTool(Connection* connection, std::FILE* out, std::FILE* err)
    : connection(connection), out(out), err(err) {
}

int LabelTextTool::run(const LabelTextArguments& arguments) {
    // Nothing the run does changes a composition, so each row is read once for all menus.
    CompositionRows rows(connection);
    if (!arguments.getPngPath().empty()) {
        return writePicture(arguments.getMenuIds().front(), arguments.getPngPath(), rows);
    }
    const std::vector<int> menuIds = arguments.isAll() ? allMenuIds() : arguments.getMenuIds();
    if (arguments.isAll()) {
        readAllRows(rows);
    }
    int exitCode = unreadableIds ? unknownMenuExit : 0;
    bool written = false;
    // One commit for all designations instead of one each.
    ScopedTransaction transaction(connection);
    for (const int menuId : menuIds) {
        // Readable blocks are set apart by an empty line; JSON lines stand one below the other.
        const char* separator = written && !arguments.isJson() ? "\n" : "";
        const int menuExit = writeMenu(menuId, arguments.isJson(), separator, rows);
        written = written || menuExit != unknownMenuExit;
        exitCode = std::max(exitCode, menuExit);
    }
    std::fflush(out);
    try {
        transaction.commit();
    } catch (const JovException& refusal) {
        warnNotStored(err, "Verkehrsbezeichnungen", refusal.getMessage());
        exitCode = std::max(exitCode, notStoredExit);
    }
    return exitCode;
}

void LabelTextTool::readAllRows(CompositionRows& rows) {
    // Most rows are needed anyway: three statements instead of one per ingredient. Without them
    // each menu asks for its rows, and a database that refuses says so there.
    try {
        rows.readAll();
    } catch (const JovException&) {
    }
}

void LabelTextTool::report(std::FILE* err, const JovString& message) {
    // One line per message, whatever line breaks a message box text has.
    const JovString line = message.replace('\n', ' ');
    write(err,
          "labeltext: " + Cp1252::toUtf8(std::string_view(line.chars(), line.length())) + "\n");
    std::fflush(err);
}

void LabelTextTool::warnNotStored(std::FILE* err, const JovString& what,
                                  const JovString& diagnostic) {
    report(err, "Warnung: " + what + " nicht gespeichert: " + diagnostic);
}

std::vector<int> LabelTextTool::allMenuIds() {
    std::vector<int> ids;
    ScopedStatement statement(connection);
    ResultSet* rows = statement.executeQuery(allMenusQuery);
    while (rows != nullptr && rows->next()) {
        // An ID the 32-bit article number cannot hold arrives as no value.
        const JovString* id = rows->getString("ID");
        if (id == nullptr || id->length() == 0) {
            report(err, unreadableIdText);
            unreadableIds = true;
            continue;
        }
        ids.push_back(rows->getInt("ID"));
    }
    return ids;
}

int LabelTextTool::writeMenu(int menuId, bool json, const char* separator, CompositionRows& rows) {
    return withComposedMenu(menuId, rows, [&](const MealComposer& composer) {
        const LabelTexts texts(menuId, composer);
        write(out, separator + (json ? texts.jsonLine() : texts.readableLines()));
        return 0;
    });
}

int LabelTextTool::writePicture(int menuId, const std::string& path, CompositionRows& rows) {
    return withComposedMenu(menuId, rows, [&](const MealComposer& composer) {
        if (LabelPicture::write(composer, path.c_str())) {
            return 0;
        }
        report(err,
               JovString("Die Bilddatei '") + path.c_str() + "' kann nicht geschrieben werden.");
        return badArgumentsExit;
    });
}

int LabelTextTool::withComposedMenu(int menuId, CompositionRows& rows, const ComposedMenuUse& use) {
    const JovReference<JovDefaultMutableTreeNode> treeRoot(
        new JovDefaultMutableTreeNode(new JovString("Alle Zutaten")));
    const JovReference<MealComposer> composer(new MealComposer(treeRoot.get(), nullptr, this));
    return composeAndUse(*composer, menuId, rows, use);
}

int LabelTextTool::composeAndUse(MealComposer& composer, int menuId, CompositionRows& rows,
                                 const ComposedMenuUse& use) {
    try {
        composer.loadMenu(menuId, rows);
    } catch (const JovException& refusal) {
        report(err, refusal.getMessage());
        return unknownMenuExit;
    }
    if (composer.getRoot() == nullptr) {
        report(err, "Kein Menü mit der Art.-Nr. " + JovString::valueOf(menuId) + ".");
        return unknownMenuExit;
    }
    int exitCode = 0;
    try {
        composer.compose();
    } catch (const JovException& refusal) {
        // The texts stand composed; only storing the designation failed.
        warnNotStored(err, "Verkehrsbezeichnung von Menü " + JovString::valueOf(menuId),
                      refusal.getMessage());
        exitCode = notStoredExit;
    }
    return std::max(exitCode, use(composer));
}
