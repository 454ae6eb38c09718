// The label as drawn on paper and on screen: texts at their baselines and in their fonts, the
// nutrition table of "Leichte Vollkost", the wrap widths and the one page.
#include "app/GageView.h"
#include "LabelRecorder.h"
#include "LiveObjectTest.h"
#include "app/model/Menu.h"
#include "awt/JovGraphics.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int right = GageView::LABEL_WIDTH - 10;
const char* const serif = "Times New Roman";
const char* const longList =
    "Rindfleisch, Zwiebeln, Paprika, Tomatenmark, Rapsöl, Speisesalz, Knoblauch, Kümmel, "
    "Majoran, Pfeffer, Weizenmehl, Wasser, Sahne, Karotten, Sellerie, Lorbeer, Zucker, Senf";

} // namespace

class GageViewTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        view = new GageView();
        view->addRef();
        view->setSize(GageView::LABEL_WIDTH, GageView::LABEL_HEIGHT);
        measuringDc = CreateCompatibleDC(nullptr);
    }

    void TearDown() override {
        view->release();
        DeleteDC(measuringDc);
        LiveObjectTest::TearDown();
    }

    void setNutrition(double bw, double ew, double kh, double fe, double be) {
        auto* menu = new Menu("Gulasch", 7);
        menu->addRef();
        const std::pair<const char*, double> values[] = {
            {"bw", bw}, {"ew", ew}, {"kh", kh}, {"fe", fe}, {"be", be}};
        for (const auto& [key, value] : values) {
            menu->putDouble(key, value);
        }
        view->setNutritionValues(*menu);
        menu->release();
    }

    // The width of text in the font the label draws it in.
    int widthOf(const std::string& text, int weight, int size) {
        JovGraphics graphics(measuringDc);
        graphics.setFont(serif, weight, size);
        return graphics.stringWidth(text.c_str());
    }

    // Every line of a wrapped column fits the width, and the next line's first word would not.
    void expectWrappedAt(const std::vector<DrawnText>& lines, int wrapWidth, int weight, int size) {
        ASSERT_GT(lines.size(), 1u);
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            const std::string next = lines[i + 1].text.substr(0, lines[i + 1].text.find(' '));
            EXPECT_LE(widthOf(lines[i].text + " ", weight, size), wrapWidth) << lines[i].text;
            EXPECT_GT(widthOf(lines[i].text + " " + next, weight, size), wrapWidth) << next;
            EXPECT_GT(lines[i + 1].y, lines[i].y);
        }
    }

    GageView* view = nullptr;
    HDC measuringDc = nullptr;
    LabelRecorder recorder;
};

TEST_F(GageViewTest, TextsStandAtTheirBaselinesInTheirFonts) {
    view->setMenuName("Gulasch");
    view->setTitleWithQuid("Rindfleisch");
    view->setIngredientList("Rindfleisch");
    view->setFillQuantityText("400 g");
    view->setMeatText("160 g");
    view->setUseByLine("Zu verbrauchen bis 24.12.");
    view->setAdvertisementText("Frisch gekocht");
    ASSERT_EQ(recorder.record(*view, 0), JovPrintable::PAGE_EXISTS);

    const struct {
        const char* text;
        int x, y;
        const char* face;
        int weight, size;
    } expected[] = {
        {"Gulasch", 40, 125, "Times New Roman kursiv", 1250, 32},
        {"Rindfleisch", 40, 145, serif, 650, 18},
        {"Zutaten:", 40, 200, serif, 650, 18},
        {"Rindfleisch", 40, 230, serif, 350, 14},
        {"Ohne Konservierungsstoffe", 40, 385, serif, 650, 18},
        {"Zu verbrauchen bis 24.12.", 40, 405, serif, 650, 18},
        {"Füllmenge:", 375, 385, serif, 650, 18},
        {"400 g", 500, 385, serif, 650, 18},
        {"Fleischeinwaage:", 375, 405, serif, 650, 18},
        {"160 g", 500, 405, serif, 650, 18},
        {"Frisch gekocht", 40, 430, serif, 650, 14},
    };
    for (const auto& text : expected) {
        const auto drawn = std::find_if(
            recorder.texts().begin(), recorder.texts().end(), [&](const DrawnText& candidate) {
                return candidate.text == text.text && candidate.y == text.y;
            });
        ASSERT_NE(drawn, recorder.texts().end()) << text.text << " at " << text.y;
        EXPECT_EQ(drawn->x, text.x) << text.text;
        EXPECT_EQ(drawn->face, text.face) << text.text;
        EXPECT_EQ(drawn->weight, text.weight) << text.text;
        EXPECT_EQ(drawn->height, text.size) << text.text;
    }
    const std::vector<DrawnText> imprint = recorder.column(40);
    EXPECT_EQ(imprint.back().y, 450);
    EXPECT_NE(imprint.back().text.find(" | "), std::string::npos);
}

TEST_F(GageViewTest, MenuTypeAndSweetenerNoteAreRightAligned) {
    view->setMenuType("Feinschmeckermenü");
    view->setSweetenerNote("mit Süßungsmittel");
    recorder.record(*view, 0);
    const struct {
        const char* text;
        int y;
    } expected[] = {{"Feinschmeckermenü", 97}, {"mit Süßungsmittel", 180}};
    for (const auto& text : expected) {
        const DrawnText* drawn = recorder.find(text.text);
        ASSERT_NE(drawn, nullptr) << text.text;
        EXPECT_EQ(drawn->y, text.y);
        EXPECT_EQ(drawn->x, right - widthOf(text.text, 350, 14) - 10) << text.text;
    }
}

TEST_F(GageViewTest, NutritionBlockOnlyForLeichteVollkost) {
    setNutrition(520, 11.8, 14.2, 5.6, 1.2);
    const struct {
        const char* type;
        bool shown;
    } cases[] = {{"Menü I", false},
                 {"Feinschmeckermenü", false},
                 {"Menü II", false},
                 {"Kaltmenü", false},
                 {"Leichte Vollkost", true}};
    for (const auto& menuType : cases) {
        view->setMenuType(menuType.type);
        recorder.record(*view, 0);
        const char* const block[] = {"Nährwerte:", "pro 100 g", "Brennwert:", "BE:"};
        for (const char* text : block) {
            EXPECT_EQ(recorder.find(text) != nullptr, menuType.shown) << menuType.type << text;
        }
    }
    ASSERT_NE(recorder.find("pro 100 g"), nullptr);
    EXPECT_EQ(recorder.find("Nährwerte:")->x, 375);
    EXPECT_EQ(recorder.find("pro 100 g")->x, 500);
}

TEST_F(GageViewTest, ZeroValueLeavesItsLineOutAndTheNextMovesUp) {
    view->setMenuType(GageView::NUTRITION_MENU_TYPE);
    setNutrition(1000, 0, 5.5, 2, 0);
    recorder.record(*view, 0);
    const struct {
        const char* label;
        const char* value;
        int y;
    } expected[] = {{"Brennwert:", "1000 kJ / 238 kcal", 230},
                    {"Kohlenhydrate:", "5,5 g", 244},
                    {"Fett:", "2 g", 258}};
    for (const auto& line : expected) {
        const DrawnText* label = recorder.find(line.label);
        const DrawnText* value = recorder.find(line.value);
        ASSERT_NE(label, nullptr) << line.label;
        ASSERT_NE(value, nullptr) << line.value;
        EXPECT_EQ(label->y, line.y);
        EXPECT_EQ(value->y, line.y);
        EXPECT_EQ(value->x, 500);
        EXPECT_EQ(label->weight, 650);
    }
    EXPECT_EQ(recorder.find("Eiweiß:"), nullptr);
    EXPECT_EQ(recorder.find("BE:"), nullptr);
}

TEST_F(GageViewTest, IngredientListWrapsNarrowerBesideTheNutritionBlock) {
    const struct {
        const char* type;
        int wrapWidth;
    } cases[] = {{"Menü I", right - 80}, {GageView::NUTRITION_MENU_TYPE, right - 280}};
    for (const auto& menuType : cases) {
        view->setMenuType(menuType.type);
        view->setIngredientList(longList);
        recorder.record(*view, 0);
        std::vector<DrawnText> list;
        for (const DrawnText& line : recorder.column(40)) {
            if (line.y >= 230 && line.y < 385) {
                list.push_back(line);
            }
        }
        SCOPED_TRACE(menuType.type);
        expectWrappedAt(list, menuType.wrapWidth, 350, 14);
    }
}

TEST_F(GageViewTest, UnderscoreShowsAsBlankAndNeverBreaksTheLine) {
    const std::string first = "Hähnchenbrust (40%),";
    view->setSize(widthOf(first + " Re", 650, 18) + 90, GageView::LABEL_HEIGHT);
    view->setTitleWithQuid("Hähnchenbrust_(40%), Reis");
    recorder.record(*view, 0);
    const DrawnText* firstLine = recorder.find(first);
    const DrawnText* secondLine = recorder.find("Reis");
    ASSERT_NE(firstLine, nullptr);
    ASSERT_NE(secondLine, nullptr);
    EXPECT_EQ(firstLine->y, 145);
    EXPECT_GT(secondLine->y, 145);
    for (const DrawnText& text : recorder.texts()) {
        EXPECT_EQ(text.text.find('_'), std::string::npos) << text.text;
    }
}

TEST_F(GageViewTest, OnlyPageZeroExistsAndPaperShowsNoBackground) {
    view->setMenuName("Gulasch");
    EXPECT_EQ(recorder.record(*view, 1), JovPrintable::NO_SUCH_PAGE);
    EXPECT_TRUE(recorder.texts().empty());
    EXPECT_EQ(recorder.imageCount(), 0);

    EXPECT_EQ(recorder.record(*view, 0), JovPrintable::PAGE_EXISTS);
    EXPECT_EQ(recorder.imageCount(), 0);
    recorder.record([&](JovGraphics& graphics) { view->paint(graphics); });
    EXPECT_EQ(recorder.imageCount(), 1);
    EXPECT_NE(recorder.find("Gulasch"), nullptr);
}

// What a user sees: ink in the nutrition corner of a memory bitmap only with the table, and a
// blank bitmap for the page that does not exist.
TEST_F(GageViewTest, MemoryBitmapShowsTheNutritionCornerOnlyWithTheTable) {
    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), GageView::LABEL_WIDTH, -GageView::LABEL_HEIGHT, 1, 32, BI_RGB};
    std::uint32_t* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(measuringDc, &info, DIB_RGB_COLORS,
                                            reinterpret_cast<void**>(&bits), nullptr, 0);
    const HGDIOBJ previous = SelectObject(measuringDc, bitmap);
    const auto inkIn = [&](int left, int top, int rightEdge, int bottom) {
        GdiFlush();
        int ink = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < rightEdge; ++x) {
                ink += (bits[y * GageView::LABEL_WIDTH + x] & 0xFFFFFF) != 0xFFFFFF;
            }
        }
        return ink;
    };
    const auto draw = [&](const char* type, int page) {
        std::memset(bits, 0xFF, GageView::LABEL_WIDTH * GageView::LABEL_HEIGHT * 4);
        view->setMenuType(type);
        JovGraphics graphics(measuringDc);
        view->print(graphics, page);
    };
    setNutrition(520, 11.8, 14.2, 5.6, 1.2);
    draw(GageView::NUTRITION_MENU_TYPE, 0);
    EXPECT_GT(inkIn(375, 215, 590, 300), 100);
    draw("Menü I", 0);
    EXPECT_EQ(inkIn(375, 215, 590, 300), 0);
    EXPECT_GT(inkIn(40, 370, 300, 410), 100);
    draw(GageView::NUTRITION_MENU_TYPE, 1);
    EXPECT_EQ(inkIn(0, 0, GageView::LABEL_WIDTH, GageView::LABEL_HEIGHT), 0);
    SelectObject(measuringDc, previous);
    DeleteObject(bitmap);
}
