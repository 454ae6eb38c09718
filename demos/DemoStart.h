// The process entry shared by the demonstration programs: German locale, the toolkit, one frame
// shown, then the message loop until the frame is closed.
#pragma once

#include <windows.h>

class JovFrame;

class DemoStart {
public:
    DemoStart() = delete;

    // makeFrame builds the program's frame once the toolkit exists; answers the exit code.
    static int run(HINSTANCE instance, JovFrame* (*makeFrame)());
};
