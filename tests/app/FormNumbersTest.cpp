// What the dialogs' tests do not reach through typing: decimals that are no finite number.
#include "app/FormNumbers.h"

#include <gtest/gtest.h>

TEST(FormNumbersTest, DecimalsReadCommaAndPointAlikeAndWhatIsNoFiniteNumberAsZero) {
    for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{{"3,5", 3.5},
                                                                                 {"3.5", 3.5},
                                                                                 {"-0,25", -0.25},
                                                                                 {"nan", 0.0},
                                                                                 {"inf", 0.0},
                                                                                 {"1e999", 0.0}}) {
        EXPECT_DOUBLE_EQ(FormNumbers::parseDecimal(text), value) << text;
    }
}
