#pragma once
// Fills the numbered "{0}" placeholders of a user message. Apostrophes and format types have no
// meaning: every message of the program is written for this plain form.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovMessageFormat : public JovObject {
public:
    explicit JovMessageFormat(const JovString& pattern);
    JovMessageFormat(const JovMessageFormat& other);
    JovMessageFormat& operator=(const JovMessageFormat& other);

    // A placeholder whose number is not an index of args leaves no text.
    JovString format(const JovString* args, int count) const;
    static JovString format(const JovString& pattern, const JovString* args, int count);

    JovObject* clone() const override;
    JovString toString() const override;

private:
    JovString pattern;
};
