// Drawing through GDI: pens, brushes and fonts are created here, selected into the device context
// and deleted here; coordinates are transformed and rounded half up to device pixels.

#include "awt/JovGraphics.h"

#include "awt/JovFont.h"
#include "awt/JovImage.h"
#include "lang/JovMath.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int defaultPenWidth = 1;
constexpr int defaultPenStyle = PS_SOLID;
constexpr unsigned long black = RGB(0, 0, 0);
constexpr int dibPlanes = 1;
constexpr int dibBitsPerPixel = 24;

HDC asDc(JovGraphics::Handle handle) {
    return static_cast<HDC>(handle);
}

// Huge coordinates are clamped, so a wild transform draws off-screen instead of wrapping around.
int toDevice(double value) {
    const std::int64_t rounded = JovMath::roundHalfUp(value);
    if (rounded > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (rounded < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(rounded);
}

void deleteObject(JovGraphics::Handle& object) {
    if (object != nullptr) {
        DeleteObject(static_cast<HGDIOBJ>(object));
        object = nullptr;
    }
}

// A measurement divided by a scale of 0 has no meaning; it measures as 0.
int unscaled(int deviceLength, double scale) {
    if (scale == 0.0) {
        return 0;
    }
    return static_cast<int>(deviceLength / std::fabs(scale));
}

} // namespace

JovGraphics::JovGraphics() : JovGraphics(nullptr) {
}

JovGraphics::JovGraphics(Handle deviceContext)
    : deviceContext(deviceContext), colorRef(black), transform(new JovAffineTransform()),
      font(nullptr), measuringFont(nullptr), pen(nullptr), brush(nullptr),
      penWidth(defaultPenWidth), penStyle(defaultPenStyle) {
    replacePenAndBrush();
    if (deviceContext != nullptr) {
        SetTextColor(asDc(deviceContext), colorRef);
    }
}

JovGraphics::~JovGraphics() {
    selectStockObjects();
    deleteCreatedObjects();
    delete transform;
}

void JovGraphics::setDeviceContext(Handle newDeviceContext) {
    selectStockObjects();
    deviceContext = newDeviceContext;
    selectCurrentObjects();
}

void JovGraphics::setColor(const JovColor& color) {
    colorRef = RGB(color.getRed(), color.getGreen(), color.getBlue());
    replacePenAndBrush();
    if (deviceContext != nullptr) {
        SetTextColor(asDc(deviceContext), colorRef);
    }
}

JovColor JovGraphics::getColor() const {
    return JovColor(GetRValue(colorRef), GetGValue(colorRef), GetBValue(colorRef));
}

void JovGraphics::setFont(const JovString& faceName, int weight, int size) {
    if (deviceContext != nullptr) {
        SelectObject(asDc(deviceContext), GetStockObject(ANSI_VAR_FONT));
    }
    deleteObject(font);
    deleteObject(measuringFont);
    const int height = toDevice(size * std::fabs(transform->getScaleY()));
    font = createFont(faceName, weight, height);
    // Hinting rounds each glyph's advance at its own size, so an extent at twice the size is not
    // exactly twice the extent; measuring at the untransformed size keeps layouts identical.
    if (height != size) {
        measuringFont = createFont(faceName, weight, size);
    }
    if (deviceContext != nullptr) {
        SelectObject(asDc(deviceContext), static_cast<HGDIOBJ>(font));
    }
}

void JovGraphics::setFont(const JovFont& description) {
    setFont(description.getFaceName(), description.getWeight(), description.getSize());
}

void JovGraphics::drawRect(double x, double y, double w, double h) {
    if (deviceContext == nullptr) {
        return;
    }
    const HDC dc = asDc(deviceContext);
    const HGDIOBJ currentBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const DevicePoint topLeft = devicePoint(x, y);
    const DevicePoint bottomRight = devicePoint(x + w, y + h);
    Rectangle(dc, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    SelectObject(dc, currentBrush);
}

void JovGraphics::fillRect(double x, double y, double w, double h) {
    if (deviceContext == nullptr) {
        return;
    }
    const HDC dc = asDc(deviceContext);
    const HGDIOBJ currentPen = SelectObject(dc, GetStockObject(NULL_PEN));
    const DevicePoint topLeft = devicePoint(x, y);
    const DevicePoint bottomRight = devicePoint(x + w, y + h);
    PatBlt(dc, topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y, PATCOPY);
    SelectObject(dc, currentPen);
}

void JovGraphics::drawString(const JovString& text, int x, int y) {
    if (deviceContext == nullptr) {
        return;
    }
    const HDC dc = asDc(deviceContext);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    const DevicePoint start = devicePoint(x, y);
    TextOutA(dc, start.x, start.y, text.chars(), text.length());
}

void JovGraphics::drawImage(const JovImage* image, int x, int y, int w, int h) {
    if (deviceContext == nullptr || image == nullptr || image->getRows() == nullptr) {
        return;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image->getWidth();
    // A negative height marks the rows as top-down.
    info.bmiHeader.biHeight = -image->getHeight();
    info.bmiHeader.biPlanes = dibPlanes;
    info.bmiHeader.biBitCount = dibBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;

    const HDC dc = asDc(deviceContext);
    const DevicePoint start = devicePoint(x, y);
    const int deviceWidth = toDevice(w * transform->getScaleX());
    const int deviceHeight = toDevice(h * transform->getScaleY());
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, start.x, start.y, deviceWidth, deviceHeight, 0, 0, image->getWidth(),
                  image->getHeight(), image->getRows(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
}

int JovGraphics::stringWidth(const JovString& text) const {
    if (measuringFont != nullptr) {
        return textExtent(text).width;
    }
    return unscaled(textExtent(text).width, transform->getScaleX());
}

int JovGraphics::stringHeight(const JovString& text) const {
    if (measuringFont != nullptr) {
        return textExtent(text).height;
    }
    return unscaled(textExtent(text).height, transform->getScaleY());
}

void JovGraphics::setTransform(const JovAffineTransform& newTransform) {
    *transform = newTransform;
}

JovString JovGraphics::toString() const {
    return "ool.awt.JovGraphics";
}

void JovGraphics::replacePenAndBrush() {
    if (deviceContext != nullptr) {
        SelectObject(asDc(deviceContext), GetStockObject(NULL_PEN));
        SelectObject(asDc(deviceContext), GetStockObject(NULL_BRUSH));
    }
    deleteObject(pen);
    deleteObject(brush);
    pen = CreatePen(penStyle, penWidth, colorRef);
    brush = CreateSolidBrush(colorRef);
    if (deviceContext != nullptr) {
        SelectObject(asDc(deviceContext), static_cast<HGDIOBJ>(pen));
        SelectObject(asDc(deviceContext), static_cast<HGDIOBJ>(brush));
    }
}

void JovGraphics::selectCurrentObjects() {
    if (deviceContext == nullptr) {
        return;
    }
    const HDC dc = asDc(deviceContext);
    SelectObject(dc, static_cast<HGDIOBJ>(pen));
    SelectObject(dc, static_cast<HGDIOBJ>(brush));
    if (font != nullptr) {
        SelectObject(dc, static_cast<HGDIOBJ>(font));
    }
    SetTextColor(dc, colorRef);
}

void JovGraphics::selectStockObjects() {
    if (deviceContext == nullptr) {
        return;
    }
    const HDC dc = asDc(deviceContext);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
}

void JovGraphics::deleteCreatedObjects() {
    deleteObject(pen);
    deleteObject(brush);
    deleteObject(font);
    deleteObject(measuringFont);
}

JovGraphics::Handle JovGraphics::createFont(const JovString& faceName, int weight, int height) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, faceName.chars());
}

// With a measuring font, the extent is taken with it and the drawing font is selected again.
JovGraphics::Extent JovGraphics::textExtent(const JovString& text) const {
    SIZE size = {};
    if (deviceContext == nullptr) {
        return Extent{0, 0};
    }
    const HDC dc = asDc(deviceContext);
    const HGDIOBJ drawingFont =
        measuringFont != nullptr ? SelectObject(dc, static_cast<HGDIOBJ>(measuringFont)) : nullptr;
    GetTextExtentPoint32A(dc, text.chars(), text.length(), &size);
    if (drawingFont != nullptr) {
        SelectObject(dc, drawingFont);
    }
    return Extent{static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

JovGraphics::DevicePoint JovGraphics::devicePoint(double x, double y) const {
    const JovAffineTransform::Point point = transform->transform(x, y);
    return DevicePoint{toDevice(point.x), toDevice(point.y)};
}
