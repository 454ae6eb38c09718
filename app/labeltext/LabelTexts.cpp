// Readable and JSON forms of a menu's label texts; the program's texts are Windows-1252, the
// tool writes UTF-8.

#include "app/labeltext/LabelTexts.h"

#include "app/labeltext/JsonText.h"
#include "app/model/MealComposer.h"
#include "odbcdriver/Cp1252.h"

#include <string_view>

namespace {

std::string utf8(const JovString& text) {
    return Cp1252::toUtf8(std::string_view(text.chars(), text.length()));
}

// Control characters, and the bytes that stand for C1 controls, would act on a terminal or forge
// lines of their own; they are shown as escapes.
bool isControl(unsigned char byte) {
    constexpr unsigned char firstPrintable = 0x20;
    constexpr unsigned char deleteCharacter = 0x7F;
    constexpr std::string_view c1Bytes = "\x81\x8D\x8F\x90\x9D";
    return byte < firstPrintable || byte == deleteCharacter ||
           c1Bytes.find(static_cast<char>(byte)) != std::string_view::npos;
}

JovString visible(const JovString& text) {
    JovString shown;
    for (int i = 0; i < text.length(); ++i) {
        const auto byte = static_cast<unsigned char>(text.charAt(i));
        if (!isControl(byte)) {
            shown += text.charAt(i);
            continue;
        }
        switch (byte) {
        case '\n':
            shown += "\\n";
            break;
        case '\r':
            shown += "\\r";
            break;
        case '\t':
            shown += "\\t";
            break;
        default:
            shown += JovString().format("\\x%02X", byte);
        }
    }
    return shown;
}

std::string line(const char* caption, const JovString& text) {
    return utf8(JovString(caption) + visible(text)) + "\n";
}

std::string jsonMember(const char* key, const JovString& text) {
    return JsonText::quoted(key) + ":" + JsonText::quoted(utf8(text));
}

} // namespace

LabelTexts::LabelTexts(int menuId, const MealComposer& composer)
    : menuId(menuId), menuName(composer.getMenuName()), titleWithQuid(composer.getTitleWithQuid()),
      menuDesignation(composer.getMenuDesignation()), ingredientList(composer.getIngredientList()),
      fillQuantity(composer.getFillQuantityText()), meatText(composer.getMeatText()),
      sweetenerNote(composer.getSweetenerNote()) {
}

std::string LabelTexts::readableLines() const {
    std::string lines = line("Menü ", JovString::valueOf(menuId) + ": " + menuName);
    lines += line("Bezeichnung: ", titleWithQuid.replace('_', ' '));
    lines += line("Verkehrsbezeichnung: ", menuDesignation);
    lines += line("Zutaten: ", ingredientList);
    lines += line("Füllmenge: ", fillQuantity);
    lines += line("Fleischanteil: ", meatText);
    if (sweetenerNote.length() > 0) {
        lines += line("", sweetenerNote);
    }
    return lines;
}

std::string LabelTexts::jsonLine() const {
    return "{" + JsonText::quoted("id") + ":" + std::to_string(menuId) + "," +
           jsonMember("menuName", menuName) + "," + jsonMember("titleWithQuid", titleWithQuid) +
           "," + jsonMember("menuDesignation", menuDesignation) + "," +
           jsonMember("ingredientList", ingredientList) + "," +
           jsonMember("fillQuantity", fillQuantity) + "," + jsonMember("meatText", meatText) + "," +
           jsonMember("sweetenerNote", sweetenerNote) + "}\n";
}
