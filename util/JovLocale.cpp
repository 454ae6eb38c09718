// Locale values and the mapping of the system's language to the locales the program knows.

#include "util/JovLocale.h"

#include "lang/JovPlatform.h"

namespace {

// The system languages the library knows (the Windows language ids 1031, 2055, 3079, 1033, 2057,
// 1036 and 1040) and the locales they stand for; German, French and Italian as spoken in their
// home countries carry no country.
struct KnownLocale {
    const char* systemLanguage;
    const char* systemCountry;
    const char* language;
    const char* country;
};

constexpr KnownLocale knownLocales[] = {
    {"de", "DE", "de", ""},   {"de", "CH", "de", "CH"}, {"de", "AT", "de", "AT"},
    {"en", "US", "en", "US"}, {"en", "GB", "en", "GB"}, {"fr", "FR", "fr", ""},
    {"it", "IT", "it", ""},
};

// The library's locale for every system it does not know.
constexpr const char* fallbackLanguage = "de";
constexpr const char* fallbackCountry = "DE";

} // namespace

JovLocale::JovLocale(const JovString& language, const JovString& country)
    : language(language), country(country) {
}

JovLocale::JovLocale(const JovLocale& other)
    : JovObject(other), language(other.language), country(other.country) {
}

JovLocale& JovLocale::operator=(const JovLocale& other) {
    language = other.language;
    country = other.country;
    return *this;
}

JovString JovLocale::getLanguage() const {
    return language;
}

JovString JovLocale::getCountry() const {
    return country;
}

JovLocale JovLocale::getDefault() {
    const JovString systemLanguage = JovPlatform::systemLanguage().chars();
    const JovString systemCountry = JovPlatform::systemCountry().chars();
    for (const KnownLocale& known : knownLocales) {
        if (systemLanguage == known.systemLanguage && systemCountry == known.systemCountry) {
            return JovLocale(known.language, known.country);
        }
    }
    return JovLocale(fallbackLanguage, fallbackCountry);
}

JovString JovLocale::toString() const {
    return language + "_" + country;
}

bool JovLocale::equals(const JovObject* other) const {
    const auto* locale = dynamic_cast<const JovLocale*>(other);
    return locale != nullptr && locale->language == language && locale->country == country;
}

JovObject* JovLocale::clone() const {
    return new JovLocale(*this);
}
