// BMP decoding: the program's own true-colour pictures and a palette picture, row order and
// padding, and the refusal of compressed, damaged and hostile files without reading or writing
// outside any buffer.
#include "awt/windows/JovBmpReader.h"
#include "BmpFileBuilder.h"
#include "InkMap.h"
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "awt/windows/JovWImage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace Ink;
constexpr std::uint32_t rle8 = 1;
constexpr std::uint32_t rle4 = 2;
constexpr std::uint32_t bitFields = 3;

std::vector<std::string> inkOf(const JovWImage& image) {
    const auto pixel = [&image](int x, int y) {
        const JovColor color = image.getPixel(x, y);
        return static_cast<std::uint32_t>(color.getRed() << 16 | color.getGreen() << 8 |
                                          color.getBlue());
    };
    return inkMap(pixel, 0, 0, image.getWidth(), image.getHeight());
}

// A 2 x 2 picture in 8 bits per pixel with a four-colour palette: red, green over blue, white.
BmpFileBuilder paletteFile() {
    BmpFileBuilder file(2, 2, 8);
    file.palette = {red, green, blue, white};
    file.colorsUsed = 4;
    file.rows = {std::string("\x02\x03", 2), std::string("\x00\x01", 2)};
    return file;
}

} // namespace

class JovBmpReaderTest : public LiveObjectTest {
protected:
    // The bytes go into a heap block of exactly their size, so that the sanitizer sees any read
    // past the end.
    static std::unique_ptr<JovWImage> decode(const std::string& bytes) {
        const std::vector<unsigned char> exact(bytes.begin(), bytes.end());
        return std::unique_ptr<JovWImage>(JovBmpReader::decode(exact.data(), exact.size()));
    }
};

namespace {

struct DecodeCase {
    const char* name;
    std::function<BmpFileBuilder()> file;
    std::vector<std::string> expected;
};

BmpFileBuilder palettedFile(std::int32_t width, std::uint16_t bitCount,
                            std::vector<std::uint32_t> palette, std::string row) {
    BmpFileBuilder file(width, 1, bitCount);
    file.palette = std::move(palette);
    file.colorsUsed = static_cast<std::uint32_t>(file.palette.size());
    file.rows = {std::move(row)};
    return file;
}

const DecodeCase decodeCases[] = {
    // Stored bottom-up: the file's first row is the picture's lowest.
    {"TrueColourRowsAreTurnedTopDown",
     [] {
         BmpFileBuilder file(3, 2, 24);
         file.rows = {BmpFileBuilder::trueColorRow({blue, white, black}),
                      BmpFileBuilder::trueColorRow({red, green, olive})};
         return file;
     },
     {"RGO", "B.#"}},
    {"EightBitIndexesGoThroughThePalette", paletteFile, {"RG", "B."}},
    {"IndexPastAShortPaletteGivesBlack",
     [] {
         return palettedFile(2, 8, {white, white}, std::string("\x01\x07", 2));
     },
     {".#"}},
};

void PrintTo(const DecodeCase& decodeCase, std::ostream* out) {
    *out << decodeCase.name;
}

class DecodedImageTest : public JovBmpReaderTest, public testing::WithParamInterface<DecodeCase> {};

TEST_P(DecodedImageTest, HasTheExpectedPixels) {
    const auto image = decode(GetParam().file().build());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(inkOf(*image), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(JovBmpReader, DecodedImageTest, testing::ValuesIn(decodeCases),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

TEST_F(JovBmpReaderTest, DecodedRowsArePaddedToFourBytesBlueFirst) {
    BmpFileBuilder file(5, 2, 24);
    file.rows = {BmpFileBuilder::trueColorRow({black, black, black, black, black}),
                 BmpFileBuilder::trueColorRow({0x102030, black, black, black, black})};
    const auto image = decode(file.build());
    ASSERT_NE(image, nullptr);
    // 5 pixels of 3 bytes are 15 bytes, padded to 16.
    EXPECT_EQ(image->getRowStride(), 16);
    const unsigned char* rows = image->getRows();
    EXPECT_EQ(rows[0], 0x30);
    EXPECT_EQ(rows[1], 0x20);
    EXPECT_EQ(rows[2], 0x10);
    EXPECT_EQ(rows[16], 0x00);
}

TEST_F(JovBmpReaderTest, CompressedForeignOrUnknownHeaderVersionFilesAreRefused) {
    for (const std::uint32_t compression : {rle8, rle4, bitFields}) {
        BmpFileBuilder file = paletteFile();
        file.compression = compression;
        EXPECT_EQ(decode(file.build()), nullptr) << "compression " << compression;
    }
    for (const char* magic : {"BA", "MB", "bm", "\0\0"}) {
        BmpFileBuilder file = paletteFile();
        file.magic = std::string(magic, 2);
        EXPECT_EQ(decode(file.build()), nullptr) << magic;
    }
    for (const std::uint32_t infoSize : {0u, 12u, 39u, 125u, 0xFFFFFFFFu}) {
        BmpFileBuilder file = paletteFile();
        file.infoSize = infoSize;
        EXPECT_EQ(decode(file.build()), nullptr) << "info header " << infoSize;
    }
}

TEST_F(JovBmpReaderTest, BitCountsOtherThanOneFourEightAndTwentyFourAreRefused) {
    for (const std::uint16_t bitCount : {0, 2, 16, 32, 48}) {
        BmpFileBuilder file(1, 1, bitCount);
        file.rows = {std::string(8, '\0')};
        EXPECT_EQ(decode(file.build()), nullptr) << bitCount;
    }
}

TEST_F(JovBmpReaderTest, EveryTruncationOfAGoodFileIsRefused) {
    BmpFileBuilder file = paletteFile();
    const std::string bytes = file.build();
    ASSERT_NE(decode(bytes), nullptr);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_EQ(decode(bytes.substr(0, length)), nullptr) << length;
    }
}

TEST_F(JovBmpReaderTest, ImpossibleSizesAreRefusedBeforeAllocating) {
    const std::int32_t tooLarge = JovBmpReader::maxSide + 1;
    const std::int32_t sizes[][2] = {{0, 1},         {1, 0},       {-1, 1},      {INT_MIN, 1},
                                     {1, INT_MIN},   {INT_MAX, 1}, {1, INT_MAX}, {tooLarge, 1},
                                     {1, -tooLarge}, {4096, 4097}};
    for (const auto& size : sizes) {
        BmpFileBuilder file(size[0], size[1], 24);
        file.rows = {std::string(64, '\0')};
        EXPECT_EQ(decode(file.build()), nullptr) << size[0] << " x " << size[1];
    }
}

TEST_F(JovBmpReaderTest, PaletteRunningPastTheFileOrBeyondWhatTheBitCountAddressesIsRefused) {
    BmpFileBuilder file(1, 1, 8);
    file.palette = {red, green};
    file.colorsUsed = 256;
    file.pixelOffset = file.naturalPixelOffset();
    file.rows = {std::string(1, '\0')};
    EXPECT_EQ(decode(file.build()), nullptr);
    file = BmpFileBuilder(1, 1, 1);
    file.palette = {red, green, blue};
    file.colorsUsed = 3;
    file.rows = {std::string(1, '\0')};
    EXPECT_EQ(decode(file.build()), nullptr);
    file.colorsUsed = 0xFFFFFFFF;
    EXPECT_EQ(decode(file.build()), nullptr);
}

TEST_F(JovBmpReaderTest, PixelOffsetOutsideThePixelAreaIsRefused) {
    BmpFileBuilder file = paletteFile();
    const std::uint32_t fileSize = static_cast<std::uint32_t>(file.build().size());
    for (const std::uint32_t offset : {fileSize, fileSize - 1, 0xFFFFFFF0u, 0xFFFFFFFFu, 0u, 20u}) {
        file.pixelOffset = offset;
        EXPECT_EQ(decode(file.build()), nullptr) << offset;
    }
}

TEST_F(JovBmpReaderTest, RandomlyDamagedHeadersGiveNoImageOrASaneOne) {
    const std::string good = paletteFile().build();
    const std::size_t headerBytes = BmpFileBuilder::fileHeaderSize + 40 + 16;
    std::mt19937 random(20240501);
    std::uniform_int_distribution<std::size_t> position(0, headerBytes - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int attempt = 0; attempt < 3000; ++attempt) {
        std::string damaged = good;
        for (int change = 0; change < 3; ++change) {
            damaged[position(random)] = static_cast<char>(byte(random));
        }
        const auto image = decode(damaged);
        if (image != nullptr) {
            EXPECT_GE(image->getWidth(), 1);
            EXPECT_LE(image->getWidth(), JovBmpReader::maxSide);
            EXPECT_GE(image->getHeight(), 1);
            EXPECT_LE(image->getHeight(), JovBmpReader::maxSide);
        }
    }
}

TEST_F(JovBmpReaderTest, ReadsAFileFromDiskAndNothingFromMissingEmptyOrNoBytes) {
    const TempFolder folder;
    folder.write("picture.bmp", paletteFile().build());
    const std::unique_ptr<JovWImage> image(JovBmpReader::read(folder.file("picture.bmp").c_str()));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(inkOf(*image), (std::vector<std::string>{"RG", "B."}));
    folder.write("empty.bmp", "");
    EXPECT_EQ(JovBmpReader::read(folder.file("missing.bmp").c_str()), nullptr);
    EXPECT_EQ(JovBmpReader::read(folder.file("empty.bmp").c_str()), nullptr);
    EXPECT_EQ(JovBmpReader::decode(nullptr, 100), nullptr);
}
