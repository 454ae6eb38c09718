// A dialog window over its owner. A modal dialog's show blocks in a message loop of its own, with
// the other windows disabled, until the dialog is hidden or disposed.
#pragma once

#include "awt/JovWindow.h"

class JovDialog : public JovWindow {
public:
    explicit JovDialog(JovWindow* owner, const JovString& title = JovString(), bool modal = false);
    ~JovDialog() override;

    void setTitle(const JovString& title);
    const JovString& getTitle() const { return title; }
    void setModal(bool modal) { this->modal = modal; }
    bool isModal() const { return modal; }
    // The component that gets the focus when show returns; a counted reference.
    void setFocusTarget(JovComponent* component);
    JovComponent* getFocusTarget() const { return focusTarget; }

    // Shows the dialog; a modal one returns only when it was hidden or disposed.
    void show() override;
    void hide() override;
    void dispose() override;
    // The standard closing behaviour: a close request hides the dialog.
    void processWindowEvent(JovWindowEvent& event) override;

    JovString toString() const override;

private:
    void endModalLoop();

    JovString title;
    bool modal;
    JovComponent* focusTarget;
};
