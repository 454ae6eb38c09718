// The library's procedure in front of the system's controls (list and tree views, buttons, edit
// fields): every message passes on to the control's own procedure, a peer that asks for it sees
// the messages first, and the toolkit learns where the focus went, which the control's parent
// never hears. The control's own procedure is kept in a table here; the common controls'
// subclassing keeps it in window properties, which under Wine cost a round trip to the server
// on every message.
#pragma once

#include <windows.h>

class JovControlProcedure {
public:
    JovControlProcedure() = delete;

    // Puts the library's procedure in front of the control's own; once per control.
    static void install(HWND control);
    // From now on the peer of peerWindow (the control's own, or the window the control is part
    // of) handles each message of the control (handleControlMessage) and passes it on.
    static void showMessagesToPeer(HWND control, HWND peerWindow);
    // Hands the message to the control's own procedure.
    static LRESULT passOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK handle(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
};
