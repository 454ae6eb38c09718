// The forms in which item values are written into statement texts: the database reads numbers
// with a decimal point whatever the process locale, and flags as the words true and false.
#pragma once

#include "lang/JovString.h"

class StatementValue {
public:
    StatementValue() = delete;

    // Decimal, as IDs are written.
    static JovString integer(int value);
    // "true" or "false".
    static JovString flag(bool value);
    // Six decimals after a point (0.250000), as shares and meat shares are written.
    static JovString decimal(double value);
    // "%G" with a point (12.5, 0, 1.5E+06), as nutrition values are written.
    static JovString general(double value);
    // The weight rounded to whole grams with an exact half rounded down (12.5 -> 12).
    static JovString wholeGrams(double weight);
    // Between single quotes, a quote inside doubled.
    static JovString text(const JovString& value);
    // "NULL" when absent, else the quoted text.
    static JovString optionalText(bool present, const JovString& value);

    // The rounding of fill quantities and meat content: the nearest whole gram, an exact half
    // going down; not-a-number gives 0 and values beyond the range its nearest end.
    static long roundToGrams(double weight);
};
