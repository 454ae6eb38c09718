// A one-page print job: the platform print dialog chooses the printer, and the printable draws
// page 0 on its device context in label units of 1/96 inch, whatever the printer's resolution.
#pragma once

#include "awt/JovGraphics.h"
#include "lang/JovObject.h"

class JovComponent;
class JovPrintable;

class JovPrinterJob : public JovObject {
public:
    // The graphics of the printer's device context; it owns the context and deletes it.
    class JovPrintGraphics : public JovGraphics {
    public:
        JovPrintGraphics() = default;
        ~JovPrintGraphics() override;

        // Takes ownership of deviceContext and deletes the previous one.
        void setPrinterContext(Handle deviceContext);

        JovString toString() const override;
    };

    // One inch in label units: the units of the screen the label was laid out on.
    static constexpr int LABEL_UNITS_PER_INCH = 96;
    // The label units mapped by the window extent in each direction.
    static constexpr int WINDOW_EXTENT = 1000;

    // A new job; the caller owns and deletes it.
    static JovPrinterJob* getPrinterJob();

    // Not owned; it must outlive the job's print.
    void setPrintable(JovPrintable* printable) { this->printable = printable; }
    // The platform print dialog, owned by owner's window; true when the user confirmed it.
    bool printDialog(JovComponent* owner);
    // The named printer without asking the user; false when it cannot be opened.
    bool selectPrinter(const JovString& printerName);
    // Renders page 0 on the chosen printer; false when a platform call failed.
    bool print();
    // True when the last dialog or print failed in the platform rather than being cancelled.
    bool hasFailed() const { return failed; }

    // The viewport extent that maps WINDOW_EXTENT label units onto a device of pixelsPerInch.
    static int viewportExtent(int pixelsPerInch);
    // Maps label units onto deviceContext for the given resolution; answers the previous
    // mapping mode for restoring it.
    static int mapLabelUnits(JovGraphics::Handle deviceContext, int pixelsPerInchX,
                             int pixelsPerInchY);

    JovString toString() const override;

private:
    JovPrinterJob() = default;

    // The document with its one page; false at the first platform call that fails.
    bool printDocument();
    bool printPage();

    JovPrintGraphics printGraphics;
    JovPrintable* printable = nullptr;
    bool failed = false;
};
