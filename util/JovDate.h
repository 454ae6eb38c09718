#pragma once
// A point in time as the runtime library's 32-bit time value (seconds since 1970-01-01 00:00 UTC).

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovDate : public JovObject {
public:
    // The current time.
    JovDate();
    explicit JovDate(int time);

    int getTime() const;
    void setTime(int time);

    // The runtime library's asctime text of the local time without its line break; the empty
    // text when the runtime cannot convert the time value.
    JovString toString() const override;
    bool equals(const JovObject* other) const override;
    JovObject* clone() const override;

private:
    int time;
};
