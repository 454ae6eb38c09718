// Keeps one GUI process of the Wine prefix alive for a whole test run. Wine's desktop process then
// starts once and stays, instead of being started by every window test, inheriting its output
// pipe and holding the test's end back by about a second.
#include <windows.h>

// The argument names a file created once the desktop exists: until then a test process could
// start the desktop itself, and it would hold that test's pipe for the whole run.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR readyFile, int) {
    // A message-only window is enough to make this a GUI process; it is never shown.
    CreateWindowExA(0, "STATIC", "DesktopKeeper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                    nullptr);
    GetDesktopWindow();
    if (readyFile != nullptr && *readyFile != '\0') {
        CloseHandle(CreateFileA(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
