// Library images copied into a native image list through a memory bitmap.

#include "awt/windows/JovImageList.h"

#include "awt/JovImage.h"

#include <windows.h>

#include <commctrl.h>

#include <cstring>

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

std::size_t pixelBytes(const JovImage* image) {
    return static_cast<std::size_t>(image->getRowStride()) * image->getHeight();
}

// FNV-1a over the size and the pixels.
std::uint64_t pixelKey(const JovImage* image) {
    constexpr std::uint64_t offsetBasis = 14695981039346656037ULL;
    constexpr std::uint64_t prime = 1099511628211ULL;
    std::uint64_t key = offsetBasis;
    const auto mix = [&key](unsigned char byte) { key = (key ^ byte) * prime; };
    const auto mixInt = [&mix](int value) {
        for (unsigned int shift = 0; shift < 32; shift += 8) {
            mix(static_cast<unsigned char>(static_cast<unsigned int>(value) >> shift));
        }
    };
    mixInt(image->getWidth());
    mixInt(image->getHeight());
    const unsigned char* pixels = image->getRows();
    for (std::size_t i = 0; i < pixelBytes(image); ++i) {
        mix(pixels[i]);
    }
    return key;
}

bool samePixels(const JovImage* a, const JovImage* b) {
    return a->getWidth() == b->getWidth() && a->getHeight() == b->getHeight() &&
           std::memcmp(a->getRows(), b->getRows(), pixelBytes(a)) == 0;
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
    for (int i = 0; i < images.size(); ++i) {
        if (images.elementAt(i) == image) {
            return i;
        }
    }
    const std::uint64_t key = pixelKey(image);
    const int equal = indexOfEqual(image, key);
    return equal != NO_IMAGE ? equal : add(image, key);
}

int JovImageList::indexOfEqual(const JovImage* image, std::uint64_t key) const {
    const auto candidates = indexesByPixels.equal_range(key);
    for (auto entry = candidates.first; entry != candidates.second; ++entry) {
        if (samePixels(image, static_cast<const JovImage*>(images.elementAt(entry->second)))) {
            return entry->second;
        }
    }
    return NO_IMAGE;
}

int JovImageList::add(JovImage* image, std::uint64_t key) {
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
    indexesByPixels.emplace(key, index);
    return index;
}

JovString JovImageList::toString() const {
    return "ool.awt.windows.JovImageList";
}
