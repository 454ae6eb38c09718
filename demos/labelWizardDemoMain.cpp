// Entry of the label wizard demo program; "--print PRINTER" also prints the shown label on that
// printer.
#include "LabelWizardDemo.h"
#include "awt/windows/JovProgramStart.h"

namespace {

constexpr const char* printOption = "--print";

// The printer named after the print option (its words joined again), or the empty text.
JovString printerName(const JovString* arguments, int count) {
    if (count < 2 || arguments[0] != JovString(printOption)) {
        return JovString();
    }
    JovString name = arguments[1];
    for (int i = 2; i < count; ++i) {
        name = name + " " + arguments[i];
    }
    return name;
}

int showDemo(const JovString* arguments, int count) {
    auto* demo = new LabelWizardDemo();
    demo->showPreview();
    const JovString printer = printerName(arguments, count);
    if (printer.length() > 0) {
        demo->printSample(printer);
    }
    demo->show();
    return 0;
}

} // namespace

int main() {
    return JovProgramStart::runWindowProgram(&showDemo);
}
