// Library images copied into a native image list through a memory bitmap.

#include "awt/windows/JovImageList.h"

#include "awt/JovImage.h"

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr int initialCapacity = 8;
constexpr int growBy = 8;
constexpr int bitsPerPixel = 24;

// A 24-bit bitmap of the picture size holding image scaled to it; null when GDI refused.
HBITMAP pictureOf(const JovImage* image) {
    constexpr int side = JovImageList::PICTURE_SIZE;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, side, side);
    ReleaseDC(nullptr, screen);
    if (memory == nullptr || bitmap == nullptr) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        if (memory != nullptr) {
            DeleteDC(memory);
        }
        return nullptr;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image->getWidth();
    // Negative: the rows are stored top row first.
    info.bmiHeader.biHeight = -image->getHeight();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetStretchBltMode(memory, COLORONCOLOR);
    StretchDIBits(memory, 0, 0, side, side, 0, 0, image->getWidth(), image->getHeight(),
                  image->getRows(), &info, DIB_RGB_COLORS, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return bitmap;
}

} // namespace

JovImageList::JovImageList()
    : list(ImageList_Create(PICTURE_SIZE, PICTURE_SIZE, ILC_COLOR24, initialCapacity, growBy)) {
}

JovImageList::~JovImageList() {
    if (list != nullptr) {
        ImageList_Destroy(list);
    }
}

int JovImageList::indexOf(JovImage* image) {
    if (image == nullptr || list == nullptr || image->getWidth() <= 0 || image->getHeight() <= 0) {
        return NO_IMAGE;
    }
    const int known = images.indexOf(image);
    return known >= 0 ? known : add(image);
}

int JovImageList::add(JovImage* image) {
    HBITMAP picture = pictureOf(image);
    if (picture == nullptr) {
        return NO_IMAGE;
    }
    const int index = ImageList_Add(list, picture, nullptr);
    DeleteObject(picture);
    if (index < 0) {
        return NO_IMAGE;
    }
    // The native list and the vector grow together, so their indexes agree.
    images.addElement(image);
    return index;
}

JovString JovImageList::toString() const {
    return "ool.awt.windows.JovImageList";
}
