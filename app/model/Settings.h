// The program's settings file: window geometry, table columns, the advertisement text and the setup
// password, each key with its default. Keys the program does not know stay in the table and are
// written back unchanged.
#pragma once

#include "awt/JovPoint.h"
#include "awt/JovRectangle.h"
#include "lang/JovString.h"
#include "util/JovProperties.h"

class Settings : public JovProperties {
public:
    static constexpr const char* fileName = "settings.ini";
    static constexpr const char* header = "Kalvenora, General settings";
    static constexpr int ingredientColumnCount = 4;
    static constexpr int menuColumnCount = 3;

    // A table column: the width comes from the file, minimum width and alignment are fixed.
    struct Column {
        int width = 0;
        int minimumWidth = 0;
        bool rightAligned = false;
    };

    // One field per key; what the main window applies at start and hands back at close.
    struct Values {
        JovRectangle bounds;
        JovRectangle normalBounds;
        int state = 0;
        JovString password;
        // Read without further effect; writing always stamps the program's version.
        int version = 0;
        JovPoint previewLocation;
        JovString advertisementText;
        int dividerLocation = 0;
        Column ingredientColumns[ingredientColumnCount];
        Column menuColumns[menuColumnCount];
    };

    // Adds the file's entries; a missing or unreadable file leaves every default in force.
    void readFile(const JovString& path = fileName);
    // Replaces the file. A file that cannot be created is reported as one line on standard
    // output, so closing the program goes on.
    void writeFile(const JovString& path = fileName) const;

    // Every key, or its default, in the order the main window applies them.
    Values values() const;
    // Sets every key in the order the main window hands them back.
    void setValues(const Values& values);

private:
    JovRectangle rectangle(const char* key, const char* defaultValue) const;
    int number(const char* key, const char* defaultValue) const;
    void readColumns(const char* key, const char* defaultValue, const Column* fixed,
                     Column* columns, int count) const;
    void setRectangle(const char* key, const JovRectangle& rectangle);
    void setNumbers(const char* key, const int* numbers, int count);
    void setColumns(const char* key, const Column* columns, int count);
};
