// Process entry of the program: the toolkit's program start runs the application's main routine.
#include "app/MainFrame.h"
#include "awt/windows/JovProgramStart.h"
#include "lang/JovException.h"

namespace {

// The exit code when the database could not be opened and the user has been told.
constexpr int startFailedExit = 1;

// Creates and shows the one main window. The arguments are split but not used.
int runApplication(const JovString*, int) {
    try {
        auto* frame = new MainFrame();
        frame->setVisible(true);
    } catch (const JovException&) {
        return startFailedExit;
    }
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&runApplication);
}
