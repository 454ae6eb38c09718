#include "awt/windows/JovCheckBoxPeer.h"

#include "awt/JovCheckBox.h"
#include "awt/JovImage.h"
#include "awt/windows/JovControlFont.h"

#include <windows.h>

#include <cstddef>
#include <vector>

namespace {

constexpr int boxWidth = 20;
constexpr int verticalMargin = 4;
constexpr int colorBitsPerPixel = 24;
// Rows of a monochrome bitmap handed to CreateBitmap are padded to whole 16-bit words.
constexpr int maskWordBits = 16;
constexpr int bitsPerByte = 8;

// A colour bitmap holding the picture's rows; null when GDI refused.
HBITMAP colorBitmapOf(const JovImage* image) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image->getWidth();
    // Negative: the rows are stored top row first.
    info.bmiHeader.biHeight = -image->getHeight();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = colorBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap =
        CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, image->getRows(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// An all-clear AND mask: every pixel of the picture is opaque.
HBITMAP opaqueMaskOf(const JovImage* image) {
    const int rowBytes =
        (image->getWidth() + maskWordBits - 1) / maskWordBits * maskWordBits / bitsPerByte;
    const std::vector<unsigned char> bits(static_cast<std::size_t>(rowBytes) * image->getHeight(),
                                          0);
    return CreateBitmap(image->getWidth(), image->getHeight(), 1, 1, bits.data());
}

// A new icon showing image; null for an empty image or when GDI refused.
HICON iconOf(const JovImage* image) {
    if (image == nullptr || image->getWidth() <= 0 || image->getHeight() <= 0) {
        return nullptr;
    }
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = colorBitmapOf(image);
    info.hbmMask = opaqueMaskOf(image);
    // The icon copies both bitmaps.
    HICON icon =
        info.hbmColor != nullptr && info.hbmMask != nullptr ? CreateIconIndirect(&info) : nullptr;
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }
    return icon;
}

// BS_ICON shows the control's image in place of its text; without it the text may wrap.
unsigned long contentStyle(const JovImage* image) {
    return image != nullptr ? BS_ICON : BS_MULTILINE;
}

} // namespace

JovCheckBoxPeer::~JovCheckBoxPeer() {
    replaceIcon(nullptr);
}

unsigned long JovCheckBoxPeer::windowStyle() const {
    return WS_CHILD | buttonStyle() | BS_LEFT | BS_VCENTER | contentStyle(currentImage()) |
           visibleStyle();
}

unsigned long JovCheckBoxPeer::buttonStyle() const {
    return BS_AUTOCHECKBOX;
}

void JovCheckBoxPeer::initialize() {
    JovToggleButtonPeer::initialize();
    if (currentImage() != nullptr) {
        setImage(currentImage());
    }
}

void JovCheckBoxPeer::setImage(JovImage* image) {
    if (getWindow() == nullptr) {
        return;
    }
    // The control takes or drops an icon only while it has BS_ICON.
    setContentStyle(BS_ICON);
    replaceIcon(iconOf(image));
    setContentStyle(contentStyle(image));
    InvalidateRect(getWindow(), nullptr, TRUE);
}

void JovCheckBoxPeer::setContentStyle(unsigned long content) {
    const LONG style = GetWindowLongA(getWindow(), GWL_STYLE) & ~(BS_ICON | BS_MULTILINE);
    SetWindowLongA(getWindow(), GWL_STYLE, static_cast<LONG>(style | content));
}

void JovCheckBoxPeer::replaceIcon(HICON__* newIcon) {
    HICON old = icon;
    icon = newIcon;
    if (getWindow() != nullptr) {
        SendMessageA(getWindow(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(newIcon));
    }
    // The control only borrows the icon: the old one may go once it shows the new one.
    if (old != nullptr) {
        DestroyIcon(old);
    }
}

JovImage* JovCheckBoxPeer::currentImage() const {
    const auto* checkBox = dynamic_cast<const JovCheckBox*>(getButton());
    return checkBox != nullptr ? checkBox->getImage() : nullptr;
}

JovDimension JovCheckBoxPeer::getPreferredSize() {
    if (const JovImage* image = currentImage()) {
        return JovDimension(image->getWidth() + boxWidth, image->getHeight() + verticalMargin);
    }
    const JovDimension text = JovControlFont::measure(getButton()->getLabel());
    return JovDimension(text.width + boxWidth, text.height + verticalMargin);
}

JovString JovCheckBoxPeer::toString() const {
    return "ool.awt.windows.JovCheckBoxPeer";
}
