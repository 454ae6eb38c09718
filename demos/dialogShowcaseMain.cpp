// Entry of the dialog showcase program: the dialog's name is the first argument.

#include "DemoStart.h"
#include "DialogShowcase.h"

#include <cstdlib>

namespace {

JovFrame* makeShowcase() {
    return new DialogShowcase(__argc > 1 ? __argv[1] : "password");
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return DemoStart::run(instance, &makeShowcase);
}
