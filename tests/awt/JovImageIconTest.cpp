// Image icons over the program's own pictures and over a missing file.
#include "awt/JovImageIcon.h"
#include "LiveObjectTest.h"
#include "awt/JovImage.h"

#include <gtest/gtest.h>

#include <cstdio>
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

// Damaged files are the picture reader's cases.
TEST_F(JovImageIconTest, MissingFileGivesAnEmptyIconDescribedByTheNameAsGiven) {
    const JovImageIcon icon("images/nosuchpicture.bmp");
    EXPECT_EQ(icon.getImage(), nullptr);
    EXPECT_EQ(icon.getIconWidth(), 0);
    EXPECT_EQ(icon.getIconHeight(), 0);
    EXPECT_STREQ(icon.getDescription().chars(), "images/nosuchpicture.bmp");
}

// The tree and tables make an icon per row only to learn its file name; reading waits for use.
TEST_F(JovImageIconTest, FileIsReadWhenThePictureIsFirstAskedFor) {
    const std::string later = testing::TempDir() + "icon-written-later.bmp";
    std::remove(later.c_str());
    const JovImageIcon icon(later.c_str());
    std::ifstream source("images/T.bmp", std::ios::binary);
    std::ofstream(later, std::ios::binary) << source.rdbuf();
    ASSERT_NE(icon.getImage(), nullptr);
    EXPECT_EQ(icon.getIconWidth(), iconSide);
    std::remove(later.c_str());
    // Read once: the picture stays when the file is gone.
    EXPECT_NE(icon.getImage(), nullptr);
}
