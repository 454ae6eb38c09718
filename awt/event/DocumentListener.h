// Receives the text changes of an edit control.
#pragma once

#include "awt/event/DocumentEvent.h"
#include "util/JovEventListener.h"

class DocumentListener : public virtual JovEventListener {
public:
    virtual void insertUpdate(DocumentEvent& event) = 0;
    virtual void removeUpdate(DocumentEvent& event) = 0;
    // The edit controls report every change through this one, with the whole current text.
    virtual void changedUpdate(DocumentEvent& event) = 0;
};
