#pragma once
// A file path in the library's normalised form (forward slashes, no trailing slash) together
// with the file's attributes as found when the object was made.

#include "lang/Comparable.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovFile : public JovObject, public Comparable {
public:
    explicit JovFile(const JovString& path);

    JovString getPath() const;
    bool exists() const;
    bool isAbsolute() const;

    // Both compare by path.
    int compareTo(const JovObject& other) const override;
    bool equals(const JovObject* other) const override;
    JovObject* clone() const override;
    // The path.
    JovString toString() const override;

private:
    JovString path;
    bool absolute;
    unsigned int attributes;
};
