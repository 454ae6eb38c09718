// The label text tool's work: composes the texts of the menus asked for on the program's
// database and writes them; each composition also stores the menu's designation, as the
// program does whenever it shows a menu.
#pragma once

#include "app/model/ConnectionOwner.h"

#include "lang/JovString.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class CompositionRows;
class LabelTextArguments;
class MealComposer;

class LabelTextTool : public ConnectionOwner {
public:
    static constexpr int unknownMenuExit = 1;
    static constexpr int badArgumentsExit = 2;
    static constexpr int databaseExit = 3;
    static constexpr int notStoredExit = 4;

    LabelTextTool(Connection* connection, std::FILE* out, std::FILE* err);

    // Writes every menu asked for and answers the exit code: 0; unknownMenuExit when a menu was
    // not found or its composition was refused as too large; notStoredExit when the database
    // refused a designation. The others are still written; the highest code wins. The
    // designations are stored in one transaction; a refused commit is warned about as well.
    int run(const LabelTextArguments& arguments);

    Connection* getConnection() const override { return connection; }

    // Writes "labeltext: " and the Windows-1252 message as one UTF-8 line to err.
    static void report(std::FILE* err, const JovString& message);
    // Reports that something the database refused was not stored.
    static void warnNotStored(std::FILE* err, const JovString& what, const JovString& diagnostic);

private:
    // Every menu but the reserved one, in ascending order; a menu whose ID cannot be read is
    // reported and left out.
    std::vector<int> allMenuIds();
    // Reads every composition row at once where the database allows it.
    void readAllRows(CompositionRows& rows);
    // Writes separator and the menu's texts and answers the menu's exit code.
    int writeMenu(int menuId, bool json, const char* separator, CompositionRows& rows);
    // Writes the menu's label picture to path and answers the exit code; an unwritable path is
    // a bad argument.
    int writePicture(int menuId, const std::string& path, CompositionRows& rows);
    // The composed menu handed to use, which answers its own exit code; answers the menu's.
    using ComposedMenuUse = std::function<int(const MealComposer&)>;
    int withComposedMenu(int menuId, CompositionRows& rows, const ComposedMenuUse& use);
    int composeAndUse(MealComposer& composer, int menuId, CompositionRows& rows,
                      const ComposedMenuUse& use);

    Connection* connection;
    std::FILE* out;
    std::FILE* err;
    bool unreadableIds = false;
};
