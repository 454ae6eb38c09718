// The native rich edit control of a JovTextArea. It keeps Tab for itself and reports its changes
// only when asked to through its event mask.
#pragma once

#include "awt/windows/JovTextFieldPeer.h"

class JovTextArea;

class JovTextAreaPeer : public JovTextFieldPeer {
public:
    explicit JovTextAreaPeer(JovTextArea* textArea);

    // The control inserts the Tab itself.
    bool handleTab(int modifiers) override;
    // The component's size: a text area grows with its layout, not its text.
    JovDimension getPreferredSize() override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    void initialize() override;

private:
    JovTextArea* textArea;
};
