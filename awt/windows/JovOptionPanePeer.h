// The peer of a JovOptionPane: a hidden window owned by the pane's top-level window, and the
// system message box shown over that window with the pane's icon and buttons.
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovOptionPane;

class JovOptionPanePeer : public JovComponentPeer {
public:
    explicit JovOptionPanePeer(JovOptionPane* pane);

    // The message box for the pane, modal to its owner; answers the pane's option.
    int showBox();
    // The message box over owner (may be null) for a message of type; answers the option.
    static int showBox(WindowHandle owner, const JovString& message, const JovString& title,
                       int type);
    // The Win32 message-box flags of a message type: icon and buttons.
    static unsigned boxStyle(int type);
    // The option for the message-box button that closed the box.
    static int answerOf(int pressedButton);

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    WindowHandle parentWindow() const override;
    JovRectangle windowBounds(int x, int y, int width, int height) const override;

private:
    // The native window of the parent component's top-level window, or null.
    WindowHandle ownerWindow() const;

    JovOptionPane* pane;
};
