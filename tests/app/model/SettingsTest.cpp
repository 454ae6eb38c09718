// The settings file through real files: defaults, number lists and malformed values, the fixed
// column table, the written file and keys the program does not know.
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

void expectRectangle(const JovRectangle& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
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
    const int ingredientWidths[] = {210, 60, 140, 280};
    for (int i = 0; i < Settings::ingredientColumnCount; ++i) {
        values.ingredientColumns[i].width = ingredientWidths[i];
    }
    const int menuWidths[] = {220, 55, 410};
    for (int i = 0; i < Settings::menuColumnCount; ++i) {
        values.menuColumns[i].width = menuWidths[i];
    }
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

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
    Settings settings;
    settings.readFile(path("fehlt.ini"));
    EXPECT_TRUE(settings.isEmpty());
    const Settings::Values values = settings.values();
    expectRectangle(values.bounds, 100, 100, 800, 600);
    expectRectangle(values.normalBounds, 100, 100, 800, 600);
    EXPECT_EQ(values.state, 0);
    EXPECT_STREQ(values.password.chars(), "tessmolin");
    EXPECT_EQ(values.version, 0);
    EXPECT_EQ(values.previewLocation.x, 0);
    EXPECT_EQ(values.previewLocation.y, 0);
    EXPECT_EQ(values.advertisementText.length(), 0);
    EXPECT_EQ(values.dividerLocation, 275);
    const int ingredientWidths[] = {200, 50, 130, 270};
    for (int i = 0; i < Settings::ingredientColumnCount; ++i) {
        EXPECT_EQ(values.ingredientColumns[i].width, ingredientWidths[i]) << "column " << i;
    }
    const int menuWidths[] = {200, 50, 400};
    for (int i = 0; i < Settings::menuColumnCount; ++i) {
        EXPECT_EQ(values.menuColumns[i].width, menuWidths[i]) << "column " << i;
    }
}

TEST_F(SettingsTest, ColumnsHaveFixedMinimumWidthsAndOnlyTheArticleNumberIsRightAligned) {
    const Settings::Values values =
        valuesOfFile("INGREDIENT_TABLE_COLUMNS=10 20 30 40\r\nMENU_TABLE_COLUMNS=11 22 33\r\n");
    const int ingredientWidths[] = {10, 20, 30, 40};
    const int ingredientMinimums[] = {200, 50, 100, 200};
    for (int i = 0; i < Settings::ingredientColumnCount; ++i) {
        EXPECT_EQ(values.ingredientColumns[i].width, ingredientWidths[i]) << "column " << i;
        EXPECT_EQ(values.ingredientColumns[i].minimumWidth, ingredientMinimums[i]);
        EXPECT_EQ(values.ingredientColumns[i].rightAligned, i == 1) << "column " << i;
    }
    const int menuWidths[] = {11, 22, 33};
    const int menuMinimums[] = {150, 50, 250};
    for (int i = 0; i < Settings::menuColumnCount; ++i) {
        EXPECT_EQ(values.menuColumns[i].width, menuWidths[i]) << "column " << i;
        EXPECT_EQ(values.menuColumns[i].minimumWidth, menuMinimums[i]);
        EXPECT_EQ(values.menuColumns[i].rightAligned, i == 1) << "column " << i;
    }
}

TEST_F(SettingsTest, LettersInPlaceOfNumbersReadAsZero) {
    const Settings::Values values =
        valuesOfFile("BOUNDS=links oben breit hoch\r\nSTATE=max\r\nDIVIDER_LOCATION=x\r\n");
    expectRectangle(values.bounds, 0, 0, 0, 0);
    EXPECT_EQ(values.state, 0);
    EXPECT_EQ(values.dividerLocation, 0);
}

TEST_F(SettingsTest, NumbersStopAtTheFirstOtherCharacterAndMayBeNegative) {
    const Settings::Values values =
        valuesOfFile("BOUNDS=-8 -8 1296px 1010\r\nDIVIDER_LOCATION=300.7\r\n");
    expectRectangle(values.bounds, -8, -8, 1296, 1010);
    EXPECT_EQ(values.dividerLocation, 300);
}

TEST_F(SettingsTest, TooShortListReadsZeroForTheMissingNumbers) {
    testing::internal::CaptureStderr();
    const Settings::Values values = valuesOfFile("BOUNDS=5 6\r\nPREVIEW_LOCATION=\r\n");
    testing::internal::GetCapturedStderr();
    expectRectangle(values.bounds, 5, 6, 0, 0);
    EXPECT_EQ(values.previewLocation.x, 0);
    EXPECT_EQ(values.previewLocation.y, 0);
}

// A single number is read like atoi, which skips the blank; a list is split at every blank, so
// a leading one ends an empty first token and shifts the numbers by one place.
TEST_F(SettingsTest, LeadingBlankBeforeANumber) {
    const Settings::Values values = valuesOfFile("STATE= 1\r\nBOUNDS= 1 2 3 4\r\n");
    EXPECT_EQ(values.state, 1);
    expectRectangle(values.bounds, 0, 1, 2, 3);
}

TEST_F(SettingsTest, ValuesSurviveWriteAndRead) {
    Settings written;
    written.setValues(changedValues());
    written.writeFile(path());

    Settings read;
    read.readFile(path());
    const Settings::Values expected = changedValues();
    const Settings::Values values = read.values();
    EXPECT_TRUE(values.bounds.equals(&expected.bounds)) << values.bounds.toString().chars();
    EXPECT_TRUE(values.normalBounds.equals(&expected.normalBounds));
    EXPECT_EQ(values.state, expected.state);
    EXPECT_EQ(values.password, expected.password);
    EXPECT_EQ(values.version, 11006);
    EXPECT_TRUE(values.previewLocation.equals(&expected.previewLocation));
    EXPECT_EQ(values.advertisementText, expected.advertisementText);
    EXPECT_EQ(values.dividerLocation, expected.dividerLocation);
    for (int i = 0; i < Settings::ingredientColumnCount; ++i) {
        EXPECT_EQ(values.ingredientColumns[i].width, expected.ingredientColumns[i].width);
    }
    for (int i = 0; i < Settings::menuColumnCount; ++i) {
        EXPECT_EQ(values.menuColumns[i].width, expected.menuColumns[i].width);
    }
}

TEST_F(SettingsTest, WrittenFileHasHeaderThenTheKeysInSavingOrder) {
    Settings settings;
    Settings::Values values = changedValues();
    values.version = 3;
    settings.setValues(values);
    settings.writeFile(path());

    const std::vector<std::string> lines = linesOf(folder.read("settings.ini"));
    const std::vector<std::string> expected = {
        "# Kalvenora, General settings",
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
    ASSERT_EQ(lines.size(), expected.size() + 2);
    EXPECT_EQ(lines[0], expected[0]);
    EXPECT_EQ(lines[1].rfind("# ", 0), 0u) << "the date comment";
    EXPECT_EQ(lines[2], "");
    for (std::size_t i = 1; i < expected.size(); ++i) {
        EXPECT_EQ(lines[i + 2], expected[i]);
    }
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
    testing::internal::CaptureStdout();
    settings.writeFile(path("kein Ordner/settings.ini"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "JovException: \r\n");
    EXPECT_FALSE(JovFile(path("kein Ordner/settings.ini")).exists());
}
