// The text of an edit control changed; the event carries the whole current text.
#pragma once

#include "awt/JovAWTEvent.h"

class DocumentEvent : public JovAWTEvent {
public:
    static constexpr int DOCUMENT_CHANGED = DOCUMENT_EVENT_GROUP + 1;

    DocumentEvent(JovObject* source, const JovString& text)
        : JovAWTEvent(source, DOCUMENT_CHANGED), text(text) {}

    const JovString& getText() const { return text; }

    JovString toString() const override;

private:
    JovString text;
};
