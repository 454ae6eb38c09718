// A frame with the label wizard and its preview window, the label filled from a menu of the
// sample database with nutrition values, until the program's main window exists.
#pragma once

#include "ClosingFrame.h"
#include "app/model/ConnectionOwner.h"

class PreviewDialog;
class StepsPanel;

class LabelWizardDemo : public ClosingFrame, public ConnectionOwner {
public:
    // The menu whose label is shown: one with every nutrition value.
    static constexpr int SAMPLE_MENU = 101;

    LabelWizardDemo();
    ~LabelWizardDemo() override;

    Connection* getConnection() const override { return connection; }
    // The "Leichte Vollkost" label in the preview beside the wizard.
    void showPreview();
    // The same label on the named printer, without the print dialog.
    void printSample(const JovString& printerName);

    JovString toString() const override;

private:
    void composeSampleMenu();

    Connection* connection = nullptr;
    PreviewDialog* previewDialog;
    StepsPanel* stepsPanel;
};
