#pragma once
// Dates as text through runtime library time patterns ("%a, %d.%m.%y"), and back through a small
// interpreter that knows only the numeric conversions.

#include "lang/JovObject.h"
#include "lang/JovString.h"
#include "util/JovDate.h"

class JovSimpleDateFormat : public JovObject {
public:
    explicit JovSimpleDateFormat(const JovString& pattern);
    JovSimpleDateFormat(const JovSimpleDateFormat& other);
    JovSimpleDateFormat& operator=(const JovSimpleDateFormat& other);

    // The local time of date through strftime, so names follow the process locale. A text that
    // does not fit the work area, or a conversion the runtime library may not know, gives the
    // empty text.
    JovString format(const JovDate& date) const;
    // Reads the pattern's "%d %m %y %Y %H %M %S" fields, two digits each ("%Y" four); other
    // conversions are passed over without reading text, so "%a, %d.%m.%y" cannot read its own
    // output. Throws JovException when a literal does not match or the values are no valid
    // 32-bit time value.
    JovDate parse(const JovString& text) const;

    JovObject* clone() const override;
    JovString toString() const override;

private:
    JovString pattern;
};
