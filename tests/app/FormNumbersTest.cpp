// The numbers of the editing dialogs in the German locale: decimals with either separator,
// weights, article numbers, and the kcal text at the ends of the int range.
#include "app/FormNumbers.h"
#include "app/EditMenuDialog.h"

#include <gtest/gtest.h>

TEST(FormNumbersTest, DecimalsReadCommaAndPointAlikeAndWhatIsNoFiniteNumberAsZero) {
    for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{{"3,5", 3.5},
                                                                                 {"3.5", 3.5},
                                                                                 {" 12", 12.0},
                                                                                 {"-0,25", -0.25},
                                                                                 {"7 g", 7.0},
                                                                                 {"", 0.0},
                                                                                 {"Fett", 0.0},
                                                                                 {"nan", 0.0},
                                                                                 {"inf", 0.0},
                                                                                 {"1e999", 0.0}}) {
        EXPECT_DOUBLE_EQ(FormNumbers::parseDecimal(text), value) << text;
    }
}

TEST(FormNumbersTest, AWeightIsDigitsAndACommaAboveZero) {
    for (const auto& [text, weight] : std::vector<std::pair<const char*, bool>>{{"12,5", true},
                                                                                {",5", true},
                                                                                {"250", true},
                                                                                {"12.5", false},
                                                                                {"0", false},
                                                                                {"0,0", false},
                                                                                {"", false},
                                                                                {" 5", false},
                                                                                {"-5", false}}) {
        EXPECT_EQ(FormNumbers::isWeight(text), weight) << text;
    }
    EXPECT_EQ(FormNumbers::oneDecimal(12.5), JovString("12,5"));
}

TEST(FormNumbersTest, ArticleNumbersAreWholeNumbersAboveZeroWithinTheIntRange) {
    for (const auto& [text, id] :
         std::vector<std::pair<const char*, int>>{{"007", 7},
                                                  {"2147483647", 2147483647},
                                                  {"0", -1},
                                                  {"000", -1},
                                                  {"-5", -1},
                                                  {"12a", -1},
                                                  {"+5", -1},
                                                  {"2147483648", -1},
                                                  {"", -1}}) {
        int parsed = -1;
        EXPECT_EQ(FormNumbers::parseArticleNumber(text, parsed), id > 0) << text;
        EXPECT_EQ(parsed, id) << text;
    }
}

TEST(FormNumbersTest, KcalAreCutTowardZeroAndStopAtTheEndsOfTheIntRange) {
    for (const auto& [kilojoules, text] :
         std::vector<std::pair<double, const char*>>{{1500.0, "358 kcal"},
                                                     {100.0, "23 kcal"},
                                                     {-100.0, "-23 kcal"},
                                                     {0.0, "0 kcal"},
                                                     {1e300, "2147483647 kcal"},
                                                     {-1e300, "-2147483648 kcal"}}) {
        EXPECT_EQ(EditMenuDialog::kcalText(kilojoules), JovString(text)) << kilojoules;
    }
}
