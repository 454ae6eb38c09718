// Entry of the toolkit demo program: shows its frame until it is closed.

#include "ToolkitDemo.h"
#include "awt/windows/JovProgramStart.h"

namespace {

int showToolkitDemo(const JovString*, int) {
    (new ToolkitDemo())->show();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&showToolkitDemo);
}
