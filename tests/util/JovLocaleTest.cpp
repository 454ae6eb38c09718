// The default locale chosen from the user's language and country.
#include "LanguageEnvironment.h"
#include "LiveObjectTest.h"

#include "util/JovLocale.h"

#include <gtest/gtest.h>

class JovLocaleTest : public LiveObjectTest {};

#ifndef _WIN32
TEST_F(JovLocaleTest, DefaultFollowsTheKnownSystemLanguagesAndIsGermanForGermanyOtherwise) {
    const struct {
        const char* setting;
        const char* locale;
    } cases[] = {{"de_DE.UTF-8", "de_"},   {"de_CH.UTF-8", "de_CH"}, {"de_AT@euro", "de_AT"},
                 {"en_US.UTF-8", "en_US"}, {"en_GB", "en_GB"},       {"fr_FR.UTF-8", "fr_"},
                 {"it_IT.UTF-8", "it_"},   {"es_ES.UTF-8", "de_DE"}, {"en_AU.UTF-8", "de_DE"},
                 {"fr_CA.UTF-8", "de_DE"}, {"C.UTF-8", "de_DE"},     {"fr", "de_DE"}};
    LanguageEnvironment environment;
    for (const auto& [setting, locale] : cases) {
        SCOPED_TRACE(setting);
        environment.use(setting);
        EXPECT_STREQ(JovLocale::getDefault().toString().chars(), locale);
    }
}
#endif
