// Entry of the dialog showcase program: the dialog's name is the first argument.

#include "DialogShowcase.h"
#include "awt/windows/JovProgramStart.h"

namespace {

int showShowcase(const JovString* arguments, int count) {
    (new DialogShowcase(count > 0 ? arguments[0] : JovString("password")))->show();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&showShowcase);
}
