// Root of every event: the object the event comes from.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovEventObject : public JovObject {
public:
    // The source is not counted: an event lives only while it is being delivered.
    explicit JovEventObject(JovObject* source) : source(source) {}
    JovEventObject(const JovEventObject& other) : JovObject(), source(other.source) {}
    JovEventObject& operator=(const JovEventObject&) = delete;

    JovObject* getSource() const { return source; }

    JovString toString() const override;

private:
    JovObject* source;
};
