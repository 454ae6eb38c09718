// Command-line parsing of the label text tool.

#include "app/labeltext/LabelTextArguments.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {
constexpr int decimalBase = 10;
} // namespace

LabelTextArguments::LabelTextArguments(int count, const char* const* arguments) {
    for (int i = 0; i < count && isValid(); ++i) {
        const std::string argument = arguments[i] != nullptr ? arguments[i] : "";
        if (argument == "--png") {
            pngAsked = true;
            pngPath = i + 1 < count && arguments[i + 1] != nullptr ? arguments[++i] : "";
            continue;
        }
        read(argument);
    }
    if (!isValid()) {
        return;
    }
    if (pngAsked) {
        checkPng();
        return;
    }
    if (all && !menuIds.empty()) {
        error = "Entweder --all oder Artikelnummern angeben, nicht beides.";
    } else if (!all && menuIds.empty()) {
        error = "Keine Artikelnummer angegeben.";
    }
}

void LabelTextArguments::read(const std::string& argument) {
    if (argument == "--json") {
        json = true;
        return;
    }
    if (argument == "--all") {
        all = true;
        return;
    }
    int id = 0;
    if (!parseId(argument, id)) {
        error = "Ungültiges Argument '" + argument +
                "': erwartet wird --json, --all oder eine "
                "Artikelnummer.";
        return;
    }
    menuIds.push_back(id);
}

void LabelTextArguments::checkPng() {
    if (pngPath.empty()) {
        error = "--png braucht einen Dateinamen.";
    } else if (all || json || menuIds.size() != 1) {
        error = "Mit --png genau eine Artikelnummer angeben, ohne --all und --json.";
    }
}

// Only plain decimal article numbers of the 32-bit range: "12a", "+5", " 7" and "1e3" are
// refused rather than read as some other number.
bool LabelTextArguments::parseId(const std::string& text, int& id) {
    const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == first) {
        return false;
    }
    for (std::size_t i = first; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, decimalBase);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    id = static_cast<int>(value);
    return true;
}
