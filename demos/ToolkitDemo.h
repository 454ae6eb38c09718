// A window that shows the toolkit at work: panels nested in border, grid and grid-bag layouts,
// a drawn label picture and drawn text.
#pragma once

#include "ClosingFrame.h"

class JovPanel;

class ToolkitDemo : public ClosingFrame {
public:
    ToolkitDemo();

    JovString toString() const override;

private:
    JovPanel* buildHeader();
    JovPanel* buildForm();
    JovPanel* buildButtons();
};
