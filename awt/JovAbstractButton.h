// What buttons and menu items share: a label, an action command, an accelerator key stroke and
// the action listeners that a click, Enter or the accelerator notifies.
#pragma once

#include "awt/JovComponent.h"
#include "lang/JovReference.h"

class JovActionListener;
class JovKeyStroke;

class JovAbstractButton : public JovComponent {
public:
    explicit JovAbstractButton(const JovString& label = JovString());
    ~JovAbstractButton() override;

    virtual void setLabel(const JovString& label);
    const JovString& getLabel() const { return label; }
    void setText(const JovString& text) { setLabel(text); }
    const JovString& getText() const { return label; }
    // The label until a command of its own is set.
    void setActionCommand(const JovString& command);
    JovString getActionCommand() const;
    // Takes a counted reference; null removes the accelerator.
    void setAccelerator(JovKeyStroke* keyStroke);
    JovKeyStroke* getAccelerator() const { return accelerator.get(); }

    void addActionListener(JovActionListener* listener);
    void removeActionListener(JovActionListener* listener);
    int getActionListenerCount() const;

    // Performs the button's action as a click would.
    virtual void doClick();

    // A release that follows a press on the button is a click.
    void processMouseEvent(JovMouseEvent& event) override;
    // Enter while focused (for buttons that take it) and the accelerator anywhere in the window
    // are clicks too.
    void processKeyEvent(JovKeyEvent& event) override;

    JovString toString() const override;

protected:
    // A click by the native control, which may already have changed its own state.
    virtual void controlClicked();
    // Push buttons click on Enter; other kinds leave it to the window's default button.
    virtual bool clicksOnEnter() const { return true; }
    void fireActionPerformed();
    // "ool.awt." className "[,label=" label "]".
    JovString labelledText(const char* className) const;

private:
    JovString label;
    JovString actionCommand;
    bool commandSet;
    bool armed;
    JovReference<JovKeyStroke> accelerator;
    JovAWTEventMulticaster* actionListeners;
};
