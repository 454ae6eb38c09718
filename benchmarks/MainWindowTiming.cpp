// Timings of the main window on whatever database the data source "meals" names (the large
// generated one in scripts/main-window-timing.sh): start-up until the first label is drawn,
// counted from the process's creation so Wine's own start is in it; the ingredient search "*"
// refilling the table; ticking a menu until its label is drawn. A Windows program, run under Wine.
#include "app/CustomersPanel.h"
#include "app/GageView.h"
#include "app/MainFrame.h"
#include "app/MessagePanel.h"
#include "app/StepsPanel.h"
#include "app/model/Ingredient.h"
#include "app/model/ItemSearch.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovTable.h"
#include "awt/JovToggleButton.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovProgramStart.h"
#include "lang/JovException.h"
#include "lang/JovReference.h"
#include "sql/ResultSet.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int rounds = 5;
constexpr int menusTicked = 20;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Milliseconds since the process was created, by the system's clock.
double millisecondsSinceProcessStart() {
    FILETIME created;
    FILETIME ignored;
    GetProcessTimes(GetCurrentProcess(), &created, &ignored, &ignored, &ignored);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    constexpr double ticksPerMillisecond = 10000.0;
    return static_cast<double>(ticks(now) - ticks(created)) / ticksPerMillisecond;
}

// Handles what is queued, paint requests included, so the time covers the drawing.
void drawPending(const JovComponent* component) {
    RedrawWindow(component->getPeer()->getWindow(), nullptr, nullptr,
                 RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void report(const char* what, std::vector<double> times, double target) {
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %8.1f ms  (best %8.1f, target under %.0f ms)\n", what,
                times[times.size() / 2], times.front(), target);
}

int timeMainWindow(const JovString*, int) {
    MainFrame* frame = nullptr;
    try {
        frame = new MainFrame();
    } catch (const JovException& failure) {
        std::printf("no database: %s\n", failure.getMessage().chars());
        return 1;
    }
    frame->setVisible(true);
    if (frame->getPeer() == nullptr) {
        std::printf("the main window did not open\n");
        return 1;
    }
    drawPending(frame);
    const double startUp = millisecondsSinceProcessStart();
    std::printf("%-44s %8.1f ms  (target under 1000 ms)\n", "start-up until the first label",
                startUp);

    // What the search costs before the table sees a row: the statement and building the items.
    std::vector<double> reads;
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        ScopedStatement statement(frame->getConnection());
        ResultSet* found = statement.executeQuery(ItemSearch::ingredientQuery("*"));
        while (found != nullptr && found->next()) {
            JovReference<Ingredient> item(
                new Ingredient(*found, 0.0, false, false, false, false, false, nullptr));
        }
        reads.push_back(millisecondsSince(start));
    }
    report("search statement and items only (no table)", reads, 300);

    std::vector<double> fills;
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        frame->searchIngredientsFor("*");
        frame->searchIngredients();
        drawPending(frame);
        fills.push_back(millisecondsSince(start));
    }
    const int ingredientRows = frame->getIngredientPanel()->getTable()->getRowCount();
    std::printf("ingredient rows: %d\n", ingredientRows);
    report("search \"*\" filling the ingredient table", fills, 300);

    frame->getStepsPanel()->getPreviewToggle()->doClick();
    MessagePanel* menus = frame->getMenuPanel();
    std::vector<double> ticks;
    const int menuRows = std::min(menusTicked, menus->getTable()->getRowCount());
    for (int row = 1; row < menuRows; ++row) {
        const Clock::time_point start = Clock::now();
        menus->tickRow(row);
        drawPending(frame->getLabelView());
        ticks.push_back(millisecondsSince(start));
    }
    if (!ticks.empty()) {
        report("ticking a menu until its label is drawn", ticks, 50);
    }
    frame->getStepsPanel()->getPreviewToggle()->doClick();
    frame->getPreviewDialog()->dispose();
    frame->dispose();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&timeMainWindow);
}
