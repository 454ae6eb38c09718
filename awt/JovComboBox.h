// A drop-down list whose edit field takes any text. Text changes are document events; Tab moves
// the focus on as in any other component.
#pragma once

#include "awt/JovChoice.h"

class DocumentListener;

class JovComboBox : public JovChoice {
public:
    // The size of a combo box that its layout has not sized yet.
    static constexpr int INITIAL_WIDTH = 100;
    static constexpr int INITIAL_HEIGHT = 20;

    JovComboBox();
    ~JovComboBox() override;

    void setText(const JovString& text);
    // The edit field's text: typed, chosen from the list or set.
    JovString getText() const;

    void addDocumentListener(DocumentListener* listener);
    void removeDocumentListener(DocumentListener* listener);

    // Keeps the control's last text, which a choice from the list set without notice.
    void removeNotify() override;
    // Document events keep the text up to date and go to the document listeners.
    void processEvent(JovAWTEvent& event) override;

    JovString toString() const override;

private:
    JovString text;
    JovAWTEventMulticaster* documentListeners;
};
