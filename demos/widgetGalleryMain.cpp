// Entry of the widget gallery program.

#include "WidgetGallery.h"
#include "DemoStart.h"

namespace {

JovFrame* makeGallery() {
    return new WidgetGallery();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return DemoStart::run(instance, &makeGallery);
}
