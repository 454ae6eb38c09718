// Reading and writing the numbers of the editing dialogs.

#include "app/FormNumbers.h"

#include "lang/JovDouble.h"

#include <climits>
#include <clocale>
#include <cmath>

namespace {

constexpr int decimalBase = 10;

bool onlyOf(const JovString& text, const char* allowed) {
    const JovString characters(allowed);
    for (int i = 0; i < text.length(); ++i) {
        if (characters.indexOf(text.charAt(i)) < 0) {
            return false;
        }
    }
    return true;
}

} // namespace

double FormNumbers::parseDecimal(const JovString& text) {
    // The conversion follows the process locale; both separators are made the locale's own.
    const char separator = std::localeconv()->decimal_point[0];
    const double value =
        JovDouble::parseDouble(text.replace(',', separator).replace('.', separator));
    return std::isfinite(value) ? value : 0.0;
}

bool FormNumbers::isWeight(const JovString& text) {
    return onlyOf(text, "0123456789,") && parseDecimal(text) > 0.0;
}

bool FormNumbers::parseArticleNumber(const JovString& text, int& id) {
    if (text.length() == 0 || !onlyOf(text, "0123456789")) {
        return false;
    }
    long long value = 0;
    for (int i = 0; i < text.length(); ++i) {
        value = value * decimalBase + (text.charAt(i) - '0');
        if (value > INT_MAX) {
            return false;
        }
    }
    if (value <= 0) {
        return false;
    }
    id = static_cast<int>(value);
    return true;
}

JovString FormNumbers::oneDecimal(double value) {
    return JovString().format("%.1f", value);
}
