// The settings file through real files: malformed values, the written file and keys the program
// does not know.
#include "CapturedOutput.h"
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "app/model/Settings.h"
#include "io/JovFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string numbers(const JovRectangle& r) {
    return std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.width) + " " +
           std::to_string(r.height);
}

template <int count> std::string widths(const Settings::Column (&columns)[count]) {
    std::string text;
    for (const Settings::Column& column : columns) {
        text += " " + std::to_string(column.width);
    }
    return text;
}

// Every value in one text, one line per key, so a test compares all of them at once.
std::string textOf(const Settings::Values& values) {
    return "bounds " + numbers(values.bounds) + "\nnormal " + numbers(values.normalBounds) +
           "\nstate " + std::to_string(values.state) + "\npassword " + values.password.chars() +
           "\nversion " + std::to_string(values.version) + "\npreview " +
           std::to_string(values.previewLocation.x) + " " +
           std::to_string(values.previewLocation.y) + "\nadvertisement " +
           values.advertisementText.chars() + "\ndivider " +
           std::to_string(values.dividerLocation) + "\ningredients" +
           widths(values.ingredientColumns) + "\nmenus" + widths(values.menuColumns);
}

template <int count> void setWidths(Settings::Column (&columns)[count], std::vector<int> values) {
    for (int i = 0; i < count; ++i) {
        columns[i].width = values[i];
    }
}

// The values a user ends up with after moving, resizing and typing in every field.
Settings::Values changedValues() {
    Settings::Values values;
    values.bounds = JovRectangle(-8, -8, 1296, 1010);
    values.normalBounds = JovRectangle(40, 30, 900, 700);
    values.state = 4;
    values.password = "Küche 2";
    values.previewLocation = JovPoint(320, 12);
    values.advertisementText = "Hausgemacht\nnach Rezept von\\Kühn";
    values.dividerLocation = 312;
    setWidths(values.ingredientColumns, {210, 60, 140, 280});
    setWidths(values.menuColumns, {220, 55, 410});
    return values;
}

} // namespace

class SettingsTest : public LiveObjectTest {
protected:
    JovString path(const char* name = "settings.ini") const { return folder.file(name).c_str(); }

    Settings::Values valuesOfFile(const std::string& bytes) const {
        folder.write("settings.ini", bytes);
        Settings settings;
        settings.readFile(path());
        return settings.values();
    }

    TempFolder folder;
};

// Read like atoi; a list splits at every blank, so a leading one shifts its numbers by a place.
TEST_F(SettingsTest, MalformedNumbersReadAsFarAsTheyAreNumbers) {
    struct Case {
        const char* file;
        const char* bounds;
        int state;
        int divider;
    };
    for (const Case& c :
         {Case{"BOUNDS=links oben breit hoch\r\nSTATE=max\r\nDIVIDER_LOCATION=x\r\n", "0 0 0 0", 0,
               0},
          Case{"BOUNDS=-8 -8 1296px 1010\r\nDIVIDER_LOCATION=300.7\r\n", "-8 -8 1296 1010", 0, 300},
          Case{"BOUNDS=5 6\r\nPREVIEW_LOCATION=\r\n", "5 6 0 0", 0, 275},
          Case{"STATE= 1\r\nBOUNDS= 1 2 3 4\r\n", "0 1 2 3", 1, 275}}) {
        SCOPED_TRACE(c.file);
        Settings::Values values;
        errorsOf([&] { values = valuesOfFile(c.file); });
        EXPECT_EQ(numbers(values.bounds), c.bounds);
        EXPECT_EQ(values.state, c.state);
        EXPECT_EQ(values.dividerLocation, c.divider);
    }
}

TEST_F(SettingsTest, ValuesSurviveWriteAndRead) {
    Settings written;
    written.setValues(changedValues());
    written.writeFile(path());

    Settings read;
    read.readFile(path());
    // Saving stamps the program's version.
    Settings::Values expected = changedValues();
    expected.version = 11006;
    EXPECT_EQ(textOf(read.values()), textOf(expected));
}

TEST_F(SettingsTest, WrittenFileHasHeaderThenTheKeysInSavingOrder) {
    Settings settings;
    Settings::Values values = changedValues();
    values.version = 3;
    settings.setValues(values);
    settings.writeFile(path());

    std::vector<std::string> lines = linesOf(folder.read("settings.ini"));
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "# Kalvenora, General settings");
    EXPECT_EQ(lines[1].rfind("# ", 0), 0u) << "the date comment";
    lines.erase(lines.begin(), lines.begin() + 2);
    const std::vector<std::string> expected = {
        "",
        "PASSWORD=Küche 2",
        "VERSION=11006",
        "BOUNDS=-8 -8 1296 1010",
        "NORMAL_BOUNDS=40 30 900 700",
        "PREVIEW_LOCATION=320 12",
        "STATE=4",
        "ADVERTISEMENT_TEXT=Hausgemacht\\nnach Rezept von\\\\Kühn",
        "DIVIDER_LOCATION=312",
        "INGREDIENT_TABLE_COLUMNS=210 60 140 280",
        "MENU_TABLE_COLUMNS=220 55 410",
        ""};
    EXPECT_EQ(lines, expected);
}

TEST_F(SettingsTest, KeysTheProgramDoesNotKnowSurviveASaveInTheirPlace) {
    folder.write("settings.ini", "# alt\r\nLETZTER_DRUCKER=Etiketten 2\r\nSTATE=1\r\n");
    Settings settings;
    settings.readFile(path());
    settings.setValues(settings.values());
    settings.writeFile(path());

    Settings reread;
    reread.readFile(path());
    EXPECT_STREQ(reread.getProperty("LETZTER_DRUCKER").chars(), "Etiketten 2");
    EXPECT_EQ(reread.values().state, 1);
    const std::vector<std::string> lines = linesOf(folder.read("settings.ini"));
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[3], "LETZTER_DRUCKER=Etiketten 2");
    EXPECT_EQ(lines[4], "STATE=1");
}

// Files of earlier versions carry a line break of the text raw: the second line is no entry.
TEST_F(SettingsTest, FilesWithoutEscapesLoadAsBefore) {
    const Settings::Values values =
        valuesOfFile("ADVERTISEMENT_TEXT=Frisch\r\nzubereitet\r\nPASSWORD=alt\\\\neu\r\n");
    EXPECT_STREQ(values.advertisementText.chars(), "Frisch");
    EXPECT_STREQ(values.password.chars(), "alt\\neu");
}

TEST_F(SettingsTest, FileThatCannotBeCreatedIsReportedOnStandardOutput) {
    Settings settings;
    settings.setValues(changedValues());
    EXPECT_EQ(outputOf([&] { settings.writeFile(path("kein Ordner/settings.ini")); }),
              "JovException: \r\n");
    EXPECT_FALSE(JovFile(path("kein Ordner/settings.ini")).exists());
}
