// The native single-line edit control of a JovTextField. Its changes come back through the window
// procedure as document events with the whole text.
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovTextComponent;

class JovTextFieldPeer : public JovComponentPeer {
public:
    explicit JovTextFieldPeer(JovTextComponent* textComponent);

    void setEditable(bool editable);
    // 0 shows the text itself.
    void setEchoChar(char echo);
    void selectAll();
    // One line of text in the control's font, with room for the edge; a field with columns is
    // that many widths of "m" wide.
    JovDimension getPreferredSize() override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    unsigned long windowExStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;
    // ES_READONLY when the component is not editable.
    unsigned long editableStyle() const;

    JovTextComponent* getTextComponent() const { return textComponent; }

private:
    JovTextComponent* textComponent;
};
