#include "awt/windows/JovControlFont.h"

void JovControlFont::apply(HWND control) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

JovDimension JovControlFont::measure(const JovString& text) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    RECT extent = {0, 0, 0, 0};
    // An empty text still takes one line.
    const char* measured = text.length() > 0 ? text.chars() : " ";
    DrawTextA(screen, measured, -1, &extent, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return JovDimension(extent.right - extent.left, extent.bottom - extent.top);
}
