// The window probe: prints the window tree of another process's top-level windows, found by a part
// of their title, so that end-to-end tests can read what the user sees and where to click.
//
// usage: windowProbe [--wait SECONDS] [--exact] [--top | --close] TITLE
//   --wait   wait up to SECONDS for such a window to appear
//   --exact  the whole title must equal TITLE
//   --top    print the top-level windows' own lines only
//   --close  ask the windows to close, as their close box does, instead of printing them
// Exit code 0 when a window was found, 1 when none, 2 for a bad command line.
#include "WindowTreeLines.h"

#include <cstdio>
#include <cwchar>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

constexpr int pollMilliseconds = 100;
constexpr int titleCapacity = 1024;

struct Options {
    std::wstring title;
    bool exact = false;
    bool topOnly = false;
    bool close = false;
    double waitSeconds = 0;
};

struct Search {
    const Options* options;
    std::vector<HWND> found;
};

BOOL CALLBACK collectMatching(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<Search*>(searchAddress);
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t title[titleCapacity] = {};
    GetWindowTextW(window, title, titleCapacity);
    const std::wstring& wanted = search->options->title;
    const bool matches =
        search->options->exact ? wanted == title : std::wcsstr(title, wanted.c_str()) != nullptr;
    if (matches) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> findWindows(const Options& options) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(options.waitSeconds * 1000);
    for (;;) {
        Search search{&options, {}};
        EnumWindows(collectMatching, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty() || static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            return search.found;
        }
        Sleep(pollMilliseconds);
    }
}

bool parse(int count, wchar_t** arguments, Options& options) {
    bool titleSeen = false;
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--exact") {
            options.exact = true;
        } else if (argument == L"--top") {
            options.topOnly = true;
        } else if (argument == L"--close") {
            options.close = true;
        } else if (argument == L"--wait" && i + 1 < count) {
            options.waitSeconds = _wtof(arguments[++i]);
        } else if (titleSeen || (argument.size() > 1 && argument[0] == L'-')) {
            return false;
        } else {
            options.title = argument;
            titleSeen = true;
        }
    }
    return titleSeen;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    Options options;
    if (arguments == nullptr || !parse(count, arguments, options)) {
        std::fputs("usage: windowProbe [--wait SECONDS] [--exact] [--top | --close] TITLE\n",
                   stderr);
        return 2;
    }
    LocalFree(arguments);
    // Lines end in a line feed alone, as the readers on the Linux side expect.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::vector<HWND> windows = findWindows(options);
    for (HWND window : windows) {
        if (options.close) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        } else {
            WindowTreeLines(window, !options.topOnly).print();
        }
    }
    std::fflush(stdout);
    return windows.empty() ? 1 : 0;
}
