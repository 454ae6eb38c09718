#pragma once
// A language and country pair; the default one chooses the resource files of the program.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovLocale : public JovObject {
public:
    JovLocale(const JovString& language, const JovString& country);
    JovLocale(const JovLocale& other);
    JovLocale& operator=(const JovLocale& other);

    JovString getLanguage() const;
    JovString getCountry() const;

    // The locale of the user's language and country as far as the program knows it; every other
    // system gets German for Germany.
    static JovLocale getDefault();

    // Language, "_" and country, so a locale without country ends in "_".
    JovString toString() const override;
    bool equals(const JovObject* other) const override;
    JovObject* clone() const override;

private:
    JovString language;
    JovString country;
};
