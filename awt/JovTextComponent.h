// What the edit controls share: the text, kept here and refreshed from every change the control
// reports, the editable flag and the document listeners.
#pragma once

#include "awt/JovComponent.h"

class DocumentEvent;
class DocumentListener;

class JovTextComponent : public JovComponent {
public:
    explicit JovTextComponent(const JovString& text = JovString());
    ~JovTextComponent() override;

    // Writing the control's text is a change like typing: listeners hear of it.
    virtual void setText(const JovString& text);
    const JovString& getText() const { return text; }
    void setEditable(bool editable);
    bool isEditable() const { return editable; }
    // Selects the whole text in the control, so that typing replaces it.
    void selectAll();

    void addDocumentListener(DocumentListener* listener);
    void removeDocumentListener(DocumentListener* listener);

    // Document events keep the text up to date and go to the document listeners.
    void processEvent(JovAWTEvent& event) override;

protected:
    // "ool.awt." className "[,text=" text "]".
    JovString textForm(const char* className) const;

private:
    void processDocumentEvent(DocumentEvent& event);

    JovString text;
    bool editable;
    JovAWTEventMulticaster* documentListeners;
};
