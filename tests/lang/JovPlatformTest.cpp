// The platform layer: the interlocked counter and the system language and country. Its locks
// and file attributes are tested through the scope lock and the file class.
#include "LanguageEnvironment.h"

#include "lang/JovPlatform.h"
#include "lang/JovString.h"

#include <cctype>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Whether text is empty or two letters of the one case.
bool emptyOrTwoLetters(const JovString& text, bool upperCase) {
    if (text.length() == 0) {
        return true;
    }
    const auto fits = [&](int i) {
        const auto c = static_cast<unsigned char>(text.charAt(i));
        return upperCase ? std::isupper(c) != 0 : std::islower(c) != 0;
    };
    return text.length() == 2 && fits(0) && fits(1);
}

} // namespace

TEST(JovPlatformTest, InterlockedCounterLosesNoUpdates) {
    constexpr int rounds = 100000;
    volatile int counter = 0;
    auto work = [&] {
        for (int i = 0; i < rounds; ++i) {
            JovPlatform::interlockedIncrement(&counter);
        }
    };
    std::thread first(work);
    std::thread second(work);
    first.join();
    second.join();
    EXPECT_EQ(counter, 2 * rounds);
    EXPECT_EQ(JovPlatform::interlockedDecrement(&counter), 2 * rounds - 1);
}

TEST(JovPlatformTest, SystemLanguageAndCountryAreTwoLettersOrEmpty) {
    EXPECT_TRUE(emptyOrTwoLetters(JovPlatform::systemLanguage().chars(), false));
    EXPECT_TRUE(emptyOrTwoLetters(JovPlatform::systemCountry().chars(), true));
}

#ifndef _WIN32
// Natively language and country come from the environment, strongest variable first.
TEST(JovPlatformLanguageTest, LanguageAndCountryAreReadFromTheSetting) {
    const struct {
        const char* setting;
        const char* language;
        const char* country;
    } cases[] = {{"de_DE.UTF-8", "de", "DE"},
                 {"de_at@euro", "de", "AT"},
                 {"FR_fr", "fr", "FR"},
                 {"de", "de", ""},
                 {"de.UTF-8", "de", ""},
                 {"de_C", "de", ""},
                 {"de_CHE", "de", ""},
                 {"de-CH", "de", ""},
                 {"deu_CH", "", ""},
                 {"C.UTF-8", "", ""},
                 {"POSIX", "", ""}};
    LanguageEnvironment environment;
    for (const auto& [setting, language, country] : cases) {
        SCOPED_TRACE(setting);
        environment.use(setting);
        EXPECT_STREQ(JovPlatform::systemLanguage().chars(), language);
        EXPECT_STREQ(JovPlatform::systemCountry().chars(), country);
    }
}

TEST(JovPlatformLanguageTest, LcAllWinsOverLang) {
    LanguageEnvironment environment;
    environment.use("de_DE.UTF-8");
    setenv("LC_ALL", "fr_CH", 1);
    EXPECT_STREQ(JovPlatform::systemLanguage().chars(), "fr");
    EXPECT_STREQ(JovPlatform::systemCountry().chars(), "CH");
}
#endif
