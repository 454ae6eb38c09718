// The numbers typed into the editing dialogs: decimals with a comma or a point, weights in grams
// and article numbers.
#pragma once

#include "lang/JovString.h"

class FormNumbers {
public:
    FormNumbers() = delete;

    // The number text starts with, read with a comma or a point as decimal separator (both are
    // typed for the same thing); 0 when it starts with no number or the number is not finite.
    static double parseDecimal(const JovString& text);
    // Only digits and the decimal comma, and above 0: "12,5" is a weight, "12.5", "0" and "0,0"
    // are not.
    static bool isWeight(const JovString& text);
    // The number of a text of digits alone within 1 and the largest int; false for anything else
    // ("0", "-5", "12a", a number too large), leaving id as it was. Leading zeros count for
    // nothing: "007" is 7.
    static bool parseArticleNumber(const JovString& text, int& id);
    // One decimal in the process locale: 12,5.
    static JovString oneDecimal(double value);
};
