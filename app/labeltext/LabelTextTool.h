// The label text tool's work: composes the texts of the menus asked for on the program's
// database and writes them; each composition also stores the menu's designation, as the
// program does whenever it shows a menu.
#pragma once

#include "app/model/ConnectionOwner.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class LabelTextArguments;
class MealComposer;

class LabelTextTool : public ConnectionOwner {
public:
    static constexpr int unknownMenuExit = 1;
    static constexpr int badArgumentsExit = 2;
    static constexpr int databaseExit = 3;

    LabelTextTool(Connection* connection, std::FILE* out, std::FILE* err);

    // Writes every menu asked for and answers the exit code: 0, or unknownMenuExit when a menu
    // was not found (the others are still written).
    int run(const LabelTextArguments& arguments);

    Connection* getConnection() const override { return connection; }

    // Writes "labeltext: " and the Windows-1252 message as one UTF-8 line to err.
    static void report(std::FILE* err, const char* message);

private:
    // Every menu but the reserved one, in ascending order.
    std::vector<int> allMenuIds() const;
    enum class Composition { used, failed, notFound };

    // Writes separator and the menu's texts; false when there is no such menu.
    bool writeMenu(int menuId, bool json, const char* separator);
    // Writes the menu's label picture to path and answers the exit code; an unwritable path is
    // a bad argument.
    int writePicture(int menuId, const std::string& path);
    // Loads and composes the menu and hands the composer to use (true: it succeeded).
    Composition withComposition(int menuId, const std::function<bool(const MealComposer&)>& use);

    Connection* connection;
    std::FILE* out;
    std::FILE* err;
};
