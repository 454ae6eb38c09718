// Starts the toolkit, shows the demonstration frame and runs the message loop.

#include "DemoStart.h"

#include "awt/JovFrame.h"
#include "awt/windows/JovMToolkit.h"
#include "lang/JovPlatform.h"

#include <clocale>

int DemoStart::run(HINSTANCE instance, JovFrame* (*makeFrame)()) {
    std::setlocale(LC_ALL, JovPlatform::germanLocaleName());
    JovMToolkit* toolkit = JovMToolkit::initialize(instance);
    makeFrame()->show();
    const int exitCode = toolkit->isMessageLoopRequested() ? toolkit->runMessageLoop() : 0;
    JovMToolkit::shutdown();
    return exitCode;
}
