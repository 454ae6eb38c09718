// The one window procedure of all library windows. It finds the window's peer in the registry
// and turns the message into the peer's operation or the library event that the message table
// names; windows without a peer get the default procedure.
#pragma once

#include <windows.h>

class JovWindowProcedure {
public:
    JovWindowProcedure() = delete;

    static LRESULT CALLBACK handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Installed on the system's controls, whose focus messages never reach handle: passes every
    // message on and tells the toolkit where the focus went.
    static LRESULT CALLBACK watchControlFocus(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR data);
};
