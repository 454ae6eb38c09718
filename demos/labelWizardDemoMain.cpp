// Entry of the label wizard demo program.
#include "DemoStart.h"
#include "LabelWizardDemo.h"

namespace {

JovFrame* makeDemo() {
    auto* demo = new LabelWizardDemo();
    demo->showPreview();
    return demo;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return DemoStart::run(instance, &makeDemo);
}
