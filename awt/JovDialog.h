// A dialog window over its owner. A modal dialog's show blocks in a message loop of its own, with
// the other windows disabled, until the dialog is hidden or disposed.
#pragma once

#include "awt/JovWindow.h"
#include "lang/JovReference.h"

class JovButton;

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
    JovComponent* getFocusTarget() const { return focusTarget.get(); }
    // The component that gets the focus as soon as the dialog shows; a counted reference.
    void setInitialFocus(JovComponent* component);
    JovComponent* getInitialFocus() const { return initialFocus.get(); }
    // Enter anywhere in the dialog clicks the default button and Escape the cancel button, unless
    // the focused component takes the key itself (a focused button clicks itself). Counted
    // references; the default button is drawn with the thick frame.
    void setDefaultButton(JovButton* button);
    JovButton* getDefaultButton() const { return defaultButton.get(); }
    void setCancelButton(JovButton* button);
    JovButton* getCancelButton() const { return cancelButton.get(); }

    // Shows the dialog; a modal one returns only when it was hidden or disposed.
    void show() override;
    void hide() override;
    void dispose() override;
    // The standard closing behaviour: a close request hides the dialog.
    void processWindowEvent(JovWindowEvent& event) override;
    // Enter and Escape for the default and cancel buttons, after the key listeners.
    void processKeyEvent(JovKeyEvent& event) override;

    JovString toString() const override;

private:
    void endModalLoop();
    JovButton* buttonForKey(int keyCode) const;

    JovString title;
    bool modal;
    JovReference<JovComponent> focusTarget;
    JovReference<JovComponent> initialFocus;
    JovReference<JovButton> defaultButton;
    JovReference<JovButton> cancelButton;
};
