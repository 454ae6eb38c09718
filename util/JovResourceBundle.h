#pragma once
// A table of texts read from a resource file chosen by the system language
// ("properties/text_de.pro"), so column titles can differ between installations.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovHashtable;

class JovResourceBundle : public JovObject {
public:
    // Reads the texts of one resource file; throws JovFileNotFoundException when it cannot be
    // opened.
    explicit JovResourceBundle(const JovString& fileName);
    JovResourceBundle(const JovResourceBundle&) = delete;
    JovResourceBundle& operator=(const JovResourceBundle&) = delete;
    ~JovResourceBundle() override;

    // The bundle of baseName for the default locale's language, read once per process and kept
    // by the library until it ends; callers do not release it. Tries baseName_language.pro,
    // baseName.pro and baseName; throws JovFileNotFoundException naming baseName when none
    // exists.
    static JovResourceBundle* getBundle(const JovString& baseName);

    // The text stored under key, or the key itself when the file has none.
    JovString getString(const JovString& key) const;

    // A second bundle over the same texts.
    JovObject* clone() const override;
    JovString toString() const override;

private:
    explicit JovResourceBundle(JovHashtable* texts);

    JovHashtable* texts;
};
