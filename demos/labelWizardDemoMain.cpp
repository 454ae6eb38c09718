// Entry of the label wizard demo program; "--print PRINTER" also prints the shown label on that
// printer.
#include "DemoStart.h"
#include "LabelWizardDemo.h"

#include <string>

namespace {

constexpr const char* printOption = "--print ";
std::string printerName;

JovFrame* makeDemo() {
    auto* demo = new LabelWizardDemo();
    demo->showPreview();
    if (!printerName.empty()) {
        demo->printSample(printerName.c_str());
    }
    return demo;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const std::string arguments = commandLine != nullptr ? commandLine : "";
    if (arguments.rfind(printOption, 0) == 0) {
        printerName = arguments.substr(std::string(printOption).size());
    }
    return DemoStart::run(instance, &makeDemo);
}
