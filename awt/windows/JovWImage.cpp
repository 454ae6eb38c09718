// Pixel storage of decoded bitmaps.

#include "awt/windows/JovWImage.h"

#include "io/JovPrintWriter.h"

namespace {

constexpr int blueByte = 0;
constexpr int greenByte = 1;
constexpr int redByte = 2;

int atLeastZero(int value) {
    return value < 0 ? 0 : value;
}

} // namespace

JovWImage::JovWImage(int width, int height)
    : width(atLeastZero(width)), height(atLeastZero(height)),
      pixels(static_cast<std::size_t>(rowStride(this->width)) * this->height) {
}

unsigned char* JovWImage::row(int y) {
    if (y < 0 || y >= height) {
        return nullptr;
    }
    return pixels.data() + static_cast<std::size_t>(y) * getRowStride();
}

JovColor JovWImage::getPixel(int x, int y) const {
    if (!inside(x, y)) {
        reportOutside(x, y);
        return JovColor();
    }
    const unsigned char* pixel = pixels.data() + offsetOf(x, y);
    return JovColor(pixel[redByte], pixel[greenByte], pixel[blueByte]);
}

void JovWImage::setPixel(int x, int y, const JovColor& color) {
    if (!inside(x, y)) {
        reportOutside(x, y);
        return;
    }
    unsigned char* pixel = pixels.data() + offsetOf(x, y);
    pixel[blueByte] = static_cast<unsigned char>(color.getBlue());
    pixel[greenByte] = static_cast<unsigned char>(color.getGreen());
    pixel[redByte] = static_cast<unsigned char>(color.getRed());
}

JovString JovWImage::toString() const {
    return "ool.awt.windows.JovWImage";
}

bool JovWImage::inside(int x, int y) const {
    return x >= 0 && x < width && y >= 0 && y < height;
}

std::size_t JovWImage::offsetOf(int x, int y) const {
    return static_cast<std::size_t>(y) * getRowStride() +
           static_cast<std::size_t>(x) * bytesPerPixel;
}

void JovWImage::reportOutside(int x, int y) const {
    JovString line;
    line.format("ool.awt.windows.JovWImage: pixel (%d, %d) is outside the %d x %d image", x, y,
                width, height);
    JovPrintWriter::standardError().println(line);
}
