// Entry of the toolkit demo program.

#include "ToolkitDemo.h"
#include "DemoStart.h"

namespace {

JovFrame* makeDemo() {
    return new ToolkitDemo();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return DemoStart::run(instance, &makeDemo);
}
