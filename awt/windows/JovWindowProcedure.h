// The one window procedure of all library windows. It finds the window's peer in the registry
// and turns the message into the peer's operation or the library event that the message table
// names; windows without a peer get the default procedure.
#pragma once

#include <windows.h>

class JovWindowProcedure {
public:
    JovWindowProcedure() = delete;

    static LRESULT CALLBACK handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The window that has the focus after a WM_SETFOCUS or WM_KILLFOCUS of window.
    static HWND focusDestination(HWND window, UINT message, WPARAM wParam);
};
