// Image icons over the program's own pictures and over missing or damaged files.
#include "awt/JovImageIcon.h"
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "awt/JovImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The item, flag and portion icons share one size so that they fit the tree's and the tables'
// image lists; the label backgrounds have the label view's size.
constexpr int iconSide = 16;

const char* const flagPictures[] = {"images/nothing.bmp", "images/T.bmp",  "images/W.bmp",
                                    "images/K.bmp",       "images/TW.bmp", "images/TK.bmp",
                                    "images/WK.bmp",      "images/TWK.bmp"};

const char* const otherIcons[] = {
    "images/noicon.bmp",           "images/DoseKleinBeilage.bmp", "images/DoseKleinHauptessen.bmp",
    "images/DoseKleinGemuese.bmp", "images/DoseKleinMenue.bmp",   "images/top.bmp"};

struct Picture {
    const char* fileName;
    int width;
    int height;
};

const Picture labelPictures[] = {{"images/etikett.bmp", 128, 160},
                                 {"images/etikettdemo.bmp", 605, 454}};

std::uint32_t little32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

using JovImageIconTest = LiveObjectTest;

TEST_F(JovImageIconTest, EveryPictureOfTheProgramLoadsWithItsSize) {
    std::vector<Picture> pictures(std::begin(labelPictures), std::end(labelPictures));
    for (const char* icon : flagPictures) {
        pictures.push_back({icon, iconSide, iconSide});
    }
    for (const char* icon : otherIcons) {
        pictures.push_back({icon, iconSide, iconSide});
    }
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.fileName);
        const JovImageIcon icon(picture.fileName);
        ASSERT_NE(icon.getImage(), nullptr);
        EXPECT_EQ(icon.getIconWidth(), picture.width);
        EXPECT_EQ(icon.getIconHeight(), picture.height);
    }
}

TEST_F(JovImageIconTest, MissingOrCutFileGivesAnEmptyIconDescribedByTheNameAsGiven) {
    const JovImageIcon icon("images/nosuchpicture.bmp");
    EXPECT_EQ(icon.getImage(), nullptr);
    EXPECT_EQ(icon.getIconWidth(), 0);
    EXPECT_EQ(icon.getIconHeight(), 0);
    EXPECT_STREQ(icon.getDescription().chars(), "images/nosuchpicture.bmp");
    const TempFolder folder;
    std::ifstream good("images/T.bmp", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(good)),
                            std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 100u);
    folder.write("cut.bmp", bytes.substr(0, bytes.size() - 1));
    const JovImageIcon cut(folder.file("cut.bmp").c_str());
    EXPECT_EQ(cut.getImage(), nullptr);
    EXPECT_EQ(cut.getIconWidth(), 0);
}

// The program icon is linked into the program as a resource; the window system picks the
// image whose size fits, so all three sizes must be present and well-formed.
TEST_F(JovImageIconTest, ProgramIconHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
    std::ifstream file("images/quorvane.ico", std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    constexpr std::size_t directorySize = 6;
    constexpr std::size_t entrySize = 16;
    ASSERT_GE(bytes.size(), directorySize + 3 * entrySize);
    EXPECT_EQ(bytes[2] | bytes[3] << 8, 1) << "resource type icon";
    ASSERT_EQ(bytes[4] | bytes[5] << 8, 3);
    const int sides[] = {16, 32, 48};
    for (int index = 0; index < 3; ++index) {
        const std::size_t entry = directorySize + index * entrySize;
        EXPECT_EQ(bytes[entry], sides[index]);
        EXPECT_EQ(bytes[entry + 1], sides[index]);
        const std::uint32_t length = little32(bytes, entry + 8);
        const std::uint32_t offset = little32(bytes, entry + 12);
        ASSERT_LE(offset + length, bytes.size());
        EXPECT_EQ(little32(bytes, offset + 4), static_cast<std::uint32_t>(sides[index]));
        // An icon image's header counts the colour rows and the mask rows.
        EXPECT_EQ(little32(bytes, offset + 8), static_cast<std::uint32_t>(2 * sides[index]));
    }
}
