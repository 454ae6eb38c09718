// A one-line text entry; Enter is its action. With an echo character it shows that character for
// every character typed, for passwords.
#pragma once

#include "awt/JovTextComponent.h"

class JovActionListener;

class JovTextField : public JovTextComponent {
public:
    static constexpr int LEFT = 0;
    static constexpr int CENTER = 1;
    static constexpr int RIGHT = 2;

    explicit JovTextField(const JovString& text = JovString());
    // A field columns characters wide (0: as wide as its text).
    JovTextField(const JovString& text, int columns);
    ~JovTextField() override;

    // The preferred width in characters of the control font; 0 or less measures the text.
    void setColumns(int columns);
    int getColumns() const { return columns; }

    // Takes effect when the control is made; values other than LEFT, CENTER and RIGHT mean LEFT.
    void setHorizontalAlignment(int alignment);
    int getHorizontalAlignment() const { return alignment; }
    // 0 shows the text itself.
    void setEchoChar(char echo);
    char getEchoChar() const { return echoChar; }
    // The text until a command of its own is set.
    void setActionCommand(const JovString& command);
    JovString getActionCommand() const;

    void addActionListener(JovActionListener* listener);
    void removeActionListener(JovActionListener* listener);

    // Enter while the field has the focus is its action. Without action listeners the key goes on
    // to the field's window, where a dialog's default button takes it.
    void processKeyEvent(JovKeyEvent& event) override;

    JovString toString() const override;

private:
    int alignment;
    char echoChar;
    int columns;
    JovString actionCommand;
    bool commandSet;
    JovAWTEventMulticaster* actionListeners;
};
