// The platform layer: the interlocked counter and the system language and country. Its locks
// and file attributes are tested through the scope lock and the file class.
#include "LanguageEnvironment.h"

#include "lang/JovPlatform.h"
#include "lang/JovString.h"

#include <gtest/gtest.h>
#include <thread>

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
    environment.use("de_DE.UTF-8");
    setenv("LC_ALL", "fr_CH", 1);
    EXPECT_STREQ(JovPlatform::systemLanguage().chars(), "fr") << "LC_ALL wins over LANG";
    EXPECT_STREQ(JovPlatform::systemCountry().chars(), "CH");
}
#endif
