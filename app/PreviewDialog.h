// The preview window: a non-modal dialog holding the one label view, shown and hidden by the
// wizard's "Vorschau" toggle, which it releases when the user closes it.
#pragma once

#include "awt/JovDialog.h"

class GageView;
class JovFrame;
class JovToggleButton;

class PreviewDialog : public JovDialog {
public:
    static constexpr const char* TITLE = "Etiketten erstellen - Vorschau";

    explicit PreviewDialog(JovFrame* owner, JovToggleButton* toggle = nullptr);

    GageView* getGageView() const { return gageView; }
    // The toggle that shows this dialog; not counted, it lives as long as the wizard.
    void setToggle(JovToggleButton* button) { toggle = button; }

    // Closing releases the toggle, then hides the dialog.
    void processWindowEvent(JovWindowEvent& event) override;

    JovString toString() const override;

private:
    GageView* gageView;
    JovToggleButton* toggle;
};
