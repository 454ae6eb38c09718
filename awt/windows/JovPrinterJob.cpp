// Printing through the platform print dialog and the printer's device context: the document and
// page calls around one call of the printable, under an anisotropic mapping to label units.

#include "awt/windows/JovPrinterJob.h"

#include "awt/JovComponent.h"
#include "awt/JovPrintable.h"
#include "awt/windows/JovComponentPeer.h"

#include <windows.h>

namespace {

constexpr const char* documentName = "PrinterJob";
constexpr COLORREF white = RGB(255, 255, 255);
// The print dialog's pages and copies all start at 1: a label is one page.
constexpr WORD onePage = 1;
constexpr const char* printerDriver = "WINSPOOL";

HDC asDc(JovGraphics::Handle handle) {
    return static_cast<HDC>(handle);
}

HWND ownerWindow(JovComponent* owner) {
    if (owner == nullptr || owner->getPeer() == nullptr) {
        return nullptr;
    }
    return owner->getPeer()->getWindow();
}

void freeGlobal(HGLOBAL memory) {
    if (memory != nullptr) {
        GlobalFree(memory);
    }
}

} // namespace

JovPrinterJob::JovPrintGraphics::~JovPrintGraphics() {
    setPrinterContext(nullptr);
}

void JovPrinterJob::JovPrintGraphics::setPrinterContext(Handle deviceContext) {
    const Handle previous = getDeviceContext();
    setDeviceContext(deviceContext);
    if (previous != nullptr) {
        DeleteDC(asDc(previous));
    }
}

JovString JovPrinterJob::JovPrintGraphics::toString() const {
    return "ool.awt.windows.JovPrinterJob.JovPrintGraphics";
}

JovPrinterJob* JovPrinterJob::getPrinterJob() {
    return new JovPrinterJob();
}

bool JovPrinterJob::printDialog(JovComponent* owner) {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerWindow(owner);
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nFromPage = onePage;
    dialog.nToPage = onePage;
    dialog.nMinPage = onePage;
    dialog.nMaxPage = onePage;
    dialog.nCopies = onePage;
    const BOOL confirmed = PrintDlgA(&dialog);
    freeGlobal(dialog.hDevMode);
    freeGlobal(dialog.hDevNames);
    // A cancelled dialog reports no error; anything else (no printer at all) is a failure.
    failed = confirmed != 1 && CommDlgExtendedError() != 0;
    if (confirmed != 1) {
        return false;
    }
    printGraphics.setPrinterContext(dialog.hDC);
    return true;
}

bool JovPrinterJob::selectPrinter(const JovString& printerName) {
    const HDC deviceContext = CreateDCA(printerDriver, printerName.chars(), nullptr, nullptr);
    failed = deviceContext == nullptr;
    if (failed) {
        return false;
    }
    printGraphics.setPrinterContext(deviceContext);
    return true;
}

bool JovPrinterJob::print() {
    if (printable == nullptr) {
        return true;
    }
    failed = printGraphics.getDeviceContext() == nullptr || !printDocument();
    return !failed;
}

bool JovPrinterJob::printDocument() {
    const HDC dc = asDc(printGraphics.getDeviceContext());
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (StartDocA(dc, &document) <= 0) {
        return false;
    }
    if (!printPage()) {
        AbortDoc(dc);
        return false;
    }
    return EndDoc(dc) > 0;
}

bool JovPrinterJob::printPage() {
    const HDC dc = asDc(printGraphics.getDeviceContext());
    if (StartPage(dc) <= 0) {
        return false;
    }
    const int previousMode =
        mapLabelUnits(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
    printGraphics.setClip(JovRectangle(0, 0, WINDOW_EXTENT, WINDOW_EXTENT));
    SetBkColor(dc, white);
    printable->print(printGraphics, 0);
    SetMapMode(dc, previousMode);
    return EndPage(dc) > 0;
}

int JovPrinterJob::viewportExtent(int pixelsPerInch) {
    return MulDiv(WINDOW_EXTENT, pixelsPerInch, LABEL_UNITS_PER_INCH);
}

int JovPrinterJob::mapLabelUnits(JovGraphics::Handle deviceContext, int pixelsPerInchX,
                                 int pixelsPerInchY) {
    const HDC dc = asDc(deviceContext);
    const int previousMode = SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, WINDOW_EXTENT, WINDOW_EXTENT, nullptr);
    SetViewportExtEx(dc, viewportExtent(pixelsPerInchX), viewportExtent(pixelsPerInchY), nullptr);
    return previousMode;
}

JovString JovPrinterJob::toString() const {
    return "JovPrinterJob";
}
