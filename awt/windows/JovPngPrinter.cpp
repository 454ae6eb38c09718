// A memory bitmap takes the place of the printer: the same mapping and the same print call, then
// GDI+ encodes the pixels as PNG.

#include "awt/windows/JovPngPrinter.h"

#include "awt/JovGraphics.h"
#include "awt/JovPrintable.h"
#include "awt/windows/JovPrinterJob.h"

#include <windows.h>

#include <gdiplus.h>

#include <string>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr int bitsPerPixel = 24;
// The class id of GDI+'s built-in PNG encoder.
constexpr CLSID pngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::wstring widePath(const JovString& path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path.chars(), path.length(), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.chars(), path.length(), wide.data(), length);
    return wide;
}

// The GDI+ library is started for one file and shut down again.
class GdiPlusSession {
public:
    GdiPlusSession() {
        const Gdiplus::GdiplusStartupInput input;
        started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiPlusSession() {
        if (started) {
            Gdiplus::GdiplusShutdown(token);
        }
    }
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;

    bool isStarted() const { return started; }

private:
    ULONG_PTR token = 0;
    bool started = false;
};

bool encode(HBITMAP bitmap, int pixelsPerInch, const JovString& path) {
    if (path.length() == 0) {
        return false;
    }
    const GdiPlusSession session;
    if (!session.isStarted()) {
        return false;
    }
    using namespace Gdiplus::DllExports;
    Gdiplus::GpBitmap* image = nullptr;
    if (GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Gdiplus::Ok) {
        return false;
    }
    GdipBitmapSetResolution(image, static_cast<Gdiplus::REAL>(pixelsPerInch),
                            static_cast<Gdiplus::REAL>(pixelsPerInch));
    const Gdiplus::GpStatus saved =
        GdipSaveImageToFile(image, widePath(path).c_str(), &pngEncoder, nullptr);
    GdipDisposeImage(image);
    return saved == Gdiplus::Ok;
}

void render(JovPrintable& printable, HDC dc, int pixelsPerInch) {
    JovPrinterJob::mapLabelUnits(dc, pixelsPerInch, pixelsPerInch);
    SetBkColor(dc, white);
    JovGraphics graphics(dc);
    graphics.setClip(
        JovRectangle(0, 0, JovPrinterJob::WINDOW_EXTENT, JovPrinterJob::WINDOW_EXTENT));
    printable.print(graphics, 0);
}

} // namespace

bool JovPngPrinter::write(JovPrintable& printable, const JovDimension& labelSize, int pixelsPerInch,
                          const JovString& path) {
    const int width = MulDiv(labelSize.width, pixelsPerInch, JovPrinterJob::LABEL_UNITS_PER_INCH);
    const int height = MulDiv(labelSize.height, pixelsPerInch, JovPrinterJob::LABEL_UNITS_PER_INCH);
    if (width <= 0 || height <= 0) {
        return false;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC dc = CreateCompatibleDC(nullptr);
    void* pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return false;
    }
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    render(printable, dc, pixelsPerInch);
    GdiFlush();
    SelectObject(dc, previous);
    DeleteDC(dc);
    const bool written = encode(bitmap, pixelsPerInch, path);
    DeleteObject(bitmap);
    return written;
}
