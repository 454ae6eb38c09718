#pragma once
// A table of text keys and values with an optional table of defaults and a line-based file form
// ("key=value"); the settings file and every meal item are built on it.

#include "lang/JovReference.h"
#include "lang/JovString.h"
#include "util/JovHashtable.h"

class JovReader;
class JovWriter;

class JovProperties : public JovHashtable {
public:
    JovProperties();
    // Holds a counted reference on the defaults; null means none.
    explicit JovProperties(JovProperties* defaults);
    // Shares the other's entries and defaults.
    JovProperties(const JovProperties& other) = default;
    JovProperties& operator=(const JovProperties& other) = default;
    ~JovProperties() override = default;

    // The text of the value stored under key, else the defaults' value, else defaultValue.
    virtual JovString getProperty(const JovString& key,
                                  const JovString& defaultValue = JovString()) const;
    // Replaces an earlier value in place, so the key keeps its position in the written file.
    virtual void setProperty(const JovString& key, const JovString& value);
    // Adds the "key=value" lines of the reader's input up to its end; a null reader adds nothing.
    virtual void load(JovReader* reader);
    // Writes the header and date comments, an empty line and one line per entry; a null writer
    // writes nothing.
    virtual void store(JovWriter* writer, const JovString& header) const;

    // A new table sharing the same entries and defaults.
    JovObject* clone() const override;
    JovString toString() const override;

private:
    void processLine(const JovString& rawLine);

    JovReference<JovProperties> defaults;
};
