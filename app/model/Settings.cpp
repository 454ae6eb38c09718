// Keys, defaults and number lists of the settings file.

#include "app/model/Settings.h"

#include "app/model/ExceptionReport.h"
#include "app/model/MealsDatabase.h"
#include "io/JovFileReader.h"
#include "io/JovFileWriter.h"
#include "lang/JovException.h"
#include "lang/JovInteger.h"
#include "lang/JovStringBuffer.h"
#include "util/JovStringTokenizer.h"

#include <algorithm>

namespace {

constexpr const char* boundsKey = "BOUNDS";
constexpr const char* normalBoundsKey = "NORMAL_BOUNDS";
constexpr const char* stateKey = "STATE";
constexpr const char* passwordKey = "PASSWORD";
constexpr const char* versionKey = "VERSION";
constexpr const char* previewLocationKey = "PREVIEW_LOCATION";
constexpr const char* advertisementTextKey = "ADVERTISEMENT_TEXT";
constexpr const char* dividerLocationKey = "DIVIDER_LOCATION";
constexpr const char* ingredientColumnsKey = "INGREDIENT_TABLE_COLUMNS";
constexpr const char* menuColumnsKey = "MENU_TABLE_COLUMNS";

constexpr const char* defaultBounds = "100 100 800 600";
constexpr const char* defaultState = "0";
constexpr const char* defaultPassword = "tessmolin";
constexpr const char* defaultVersion = "0";
constexpr const char* defaultPreviewLocation = "0 0";
constexpr const char* defaultAdvertisementText = "";
constexpr const char* defaultDividerLocation = "275";
constexpr const char* defaultIngredientColumns = "200 50 130 270";
constexpr const char* defaultMenuColumns = "200 50 400";

constexpr int rectangleNumberCount = 4;
constexpr int mostColumns = std::max(Settings::ingredientColumnCount, Settings::menuColumnCount);
constexpr int pointNumberCount = 2;
constexpr const char* numberSeparator = " ";
// The divider position goes through the floating-point format, which writes whole pixel counts
// as plain digits.
constexpr const char* dividerFormat = "%G";

// Name, Art.-Nr., Klasse, Verkehrsbezeichnung; the article number reads best right-aligned.
constexpr Settings::Column ingredientColumnsFixed[Settings::ingredientColumnCount] = {
    {0, 200, false}, {0, 50, true}, {0, 100, false}, {0, 200, false}};
// Name, Art.-Nr., Verkehrsbezeichnung.
constexpr Settings::Column menuColumnsFixed[Settings::menuColumnCount] = {
    {0, 150, false}, {0, 50, true}, {0, 250, false}};

// A list shorter than count leaves the rest to the tokenizer's end, which answers empty texts
// and so zeros.
void readNumbers(const JovString& text, int* numbers, int count) {
    JovStringTokenizer tokens(text);
    for (int i = 0; i < count; ++i) {
        numbers[i] = JovInteger::parseInt(tokens.nextToken());
    }
}

JovString joinNumbers(const int* numbers, int count) {
    JovStringBuffer text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text.append(numberSeparator);
        }
        text.append(JovString::valueOf(numbers[i]));
    }
    return text.toString();
}

} // namespace

void Settings::readFile(const JovString& path) {
    try {
        JovFileReader reader(path);
        load(&reader);
        reader.close();
    } catch (const JovException&) {
        // Without a readable file the defaults apply; the user is not told.
    }
}

void Settings::writeFile(const JovString& path) const {
    try {
        JovFileWriter writer(path);
        store(&writer, header);
        writer.close();
    } catch (const JovException& failure) {
        ExceptionReport::toStandardOutput(failure);
    }
}

Settings::Values Settings::values() const {
    Values values;
    values.bounds = rectangle(boundsKey, defaultBounds);
    values.normalBounds = rectangle(normalBoundsKey, defaultBounds);
    values.state = number(stateKey, defaultState);
    values.password = getProperty(passwordKey, defaultPassword);
    values.version = number(versionKey, defaultVersion);
    int location[pointNumberCount];
    readNumbers(getProperty(previewLocationKey, defaultPreviewLocation), location,
                pointNumberCount);
    values.previewLocation = JovPoint(location[0], location[1]);
    values.advertisementText = getProperty(advertisementTextKey, defaultAdvertisementText);
    values.dividerLocation = number(dividerLocationKey, defaultDividerLocation);
    readColumns(ingredientColumnsKey, defaultIngredientColumns, ingredientColumnsFixed,
                values.ingredientColumns, ingredientColumnCount);
    readColumns(menuColumnsKey, defaultMenuColumns, menuColumnsFixed, values.menuColumns,
                menuColumnCount);
    return values;
}

void Settings::setValues(const Values& values) {
    setProperty(passwordKey, values.password);
    setProperty(versionKey, JovString::valueOf(MealsDatabase::programVersion));
    setRectangle(boundsKey, values.bounds);
    setRectangle(normalBoundsKey, values.normalBounds);
    const int location[] = {values.previewLocation.x, values.previewLocation.y};
    setNumbers(previewLocationKey, location, pointNumberCount);
    setProperty(stateKey, JovString::valueOf(values.state));
    setProperty(advertisementTextKey, values.advertisementText);
    JovString divider;
    divider.format(dividerFormat, static_cast<double>(values.dividerLocation));
    setProperty(dividerLocationKey, divider);
    setColumns(ingredientColumnsKey, values.ingredientColumns, ingredientColumnCount);
    setColumns(menuColumnsKey, values.menuColumns, menuColumnCount);
}

JovRectangle Settings::rectangle(const char* key, const char* defaultValue) const {
    int numbers[rectangleNumberCount];
    readNumbers(getProperty(key, defaultValue), numbers, rectangleNumberCount);
    return JovRectangle(numbers[0], numbers[1], numbers[2], numbers[3]);
}

int Settings::number(const char* key, const char* defaultValue) const {
    return JovInteger::parseInt(getProperty(key, defaultValue));
}

void Settings::readColumns(const char* key, const char* defaultValue, const Column* fixed,
                           Column* columns, int count) const {
    int widths[mostColumns];
    readNumbers(getProperty(key, defaultValue), widths, count);
    for (int i = 0; i < count; ++i) {
        columns[i] = fixed[i];
        columns[i].width = widths[i];
    }
}

void Settings::setRectangle(const char* key, const JovRectangle& rectangle) {
    const int numbers[] = {rectangle.x, rectangle.y, rectangle.width, rectangle.height};
    setNumbers(key, numbers, rectangleNumberCount);
}

void Settings::setNumbers(const char* key, const int* numbers, int count) {
    setProperty(key, joinNumbers(numbers, count));
}

void Settings::setColumns(const char* key, const Column* columns, int count) {
    int widths[mostColumns];
    for (int i = 0; i < count; ++i) {
        widths[i] = columns[i].width;
    }
    setNumbers(key, widths, count);
}
