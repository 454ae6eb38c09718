// Entry of the widget gallery program: shows its frame until it is closed.

#include "WidgetGallery.h"
#include "awt/windows/JovProgramStart.h"

namespace {

int showWidgetGallery(const JovString*, int) {
    (new WidgetGallery())->show();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&showWidgetGallery);
}
