// The font the library's native controls draw their text in, and the size a text takes in it.
#pragma once

#include "awt/JovDimension.h"
#include "lang/JovString.h"

#include <windows.h>

class JovControlFont {
public:
    JovControlFont() = delete;

    // Gives control the system's dialog font, which the controls do not take by themselves.
    static void apply(HWND control);
    // The extent of text in the dialog font; "\n" starts a new line.
    static JovDimension measure(const JovString& text);
};
