// The label as drawn on paper and on screen: texts at their baselines and in their fonts, the
// nutrition table of "Leichte Vollkost", the wrap widths and the one page.
#include "app/GageView.h"
#include "LabelRecorder.h"
#include "LiveObjectTest.h"
#include "app/model/Menu.h"
#include "awt/JovGraphics.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {
constexpr int right = GageView::LABEL_WIDTH - 10;
const char* const serif = "Times New Roman";
} // namespace

class GageViewTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        view.reset(new GageView());
        view->setSize(GageView::LABEL_WIDTH, GageView::LABEL_HEIGHT);
        dc = CreateCompatibleDC(nullptr);
    }

    void TearDown() override {
        view.reset();
        DeleteDC(dc);
        LiveObjectTest::TearDown();
    }

    void setNutrition(double bw, double ew, double kh, double fe, double be) {
        const JovReference<Menu> menu(new Menu("Gulasch", 7));
        for (const auto& [key, value] :
             {std::pair{"bw", bw}, {"ew", ew}, {"kh", kh}, {"fe", fe}, {"be", be}}) {
            menu->putDouble(key, value);
        }
        view->setNutritionValues(*menu);
    }

    int print(int page) {
        int answer = -1;
        recorder.record([&](JovGraphics& graphics) { answer = view->print(graphics, page); });
        return answer;
    }

    int widthOf(const std::string& text, int weight, int size) {
        JovGraphics graphics(dc);
        graphics.setFont(serif, weight, size);
        return graphics.stringWidth(text.c_str());
    }

    // The lines at x between the baselines, in the order drawn.
    std::vector<DrawnText> lines(int x, int fromY, int toY) const {
        std::vector<DrawnText> found;
        for (const DrawnText& text : recorder.texts()) {
            if (text.x == x && text.y >= fromY && text.y < toY && !text.text.empty()) {
                found.push_back(text);
            }
        }
        return found;
    }

    JovReference<GageView> view;
    HDC dc = nullptr;
    LabelRecorder recorder;
};

TEST_F(GageViewTest, TextsStandAtTheirBaselinesInTheirFonts) {
    view->setMenuName("Gulasch");
    view->setTitleWithQuid("Rind");
    view->setIngredientList("Rindfleisch");
    view->setFillQuantityText("400 g");
    view->setMeatText("160 g");
    view->setUseByLine("Zu verbrauchen bis 24.12.");
    view->setAdvertisementText("Frisch gekocht");
    view->setMenuType("Feinschmeckermenü");
    view->setSweetenerNote("mit Süßungsmittel");
    ASSERT_EQ(print(0), JovPrintable::PAGE_EXISTS);
    const int typeX = right - widthOf("Feinschmeckermenü", 350, 14) - 10;
    const int noteX = right - widthOf("mit Süßungsmittel", 350, 14) - 10;
    const struct {
        const char* text;
        int x, y;
        const char* face;
        int weight, size;
    } expected[] = {
        {"Gulasch", 40, 125, "Times New Roman kursiv", 1250, 32},
        {"Rind", 40, 145, serif, 650, 18},
        {"Zutaten:", 40, 200, serif, 650, 18},
        {"Feinschmeckermenü", typeX, 97, serif, 350, 14},
        {"mit Süßungsmittel", noteX, 180, serif, 350, 14},
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
        const DrawnText* drawn = recorder.find(text.text);
        ASSERT_NE(drawn, nullptr) << text.text;
        EXPECT_EQ(std::tie(drawn->x, drawn->y, drawn->face, drawn->weight, drawn->height),
                  std::tie(text.x, text.y, text.face, text.weight, text.size))
            << text.text;
    }
    const DrawnText& imprint = recorder.texts().back();
    EXPECT_EQ(imprint.y, 450);
    EXPECT_NE(imprint.text.find(" | "), std::string::npos);
    EXPECT_LE(imprint.x + widthOf(imprint.text, 650, 14), right) << "the imprint is cut off";
}

TEST_F(GageViewTest, NutritionBlockOnlyForLeichteVollkost) {
    setNutrition(520, 11.8, 14.2, 5.6, 1.2);
    for (const char* type : {"Menü I", "Feinschmeckermenü", "Menü II", "Kaltmenü"}) {
        view->setMenuType(type);
        print(0);
        for (const char* text : {"Nährwerte:", "pro 100 g", "Brennwert:", "BE:"}) {
            EXPECT_EQ(recorder.find(text), nullptr) << type << text;
        }
    }
    view->setMenuType(GageView::NUTRITION_MENU_TYPE);
    print(0);
    EXPECT_EQ(lines(375, 200, 201).at(0).text, "Nährwerte:");
    EXPECT_EQ(lines(500, 200, 201).at(0).text, "pro 100 g");
    EXPECT_EQ(lines(375, 230, 300).size(), 5u);
}

TEST_F(GageViewTest, ZeroValueLeavesItsLineOutAndTheNextMovesUp) {
    view->setMenuType(GageView::NUTRITION_MENU_TYPE);
    setNutrition(1000, 0, 5.5, 2, 0);
    print(0);
    const std::pair<const char*, const char*> rows[] = {
        {"Brennwert:", "1000 kJ / 238 kcal"}, {"Kohlenhydrate:", "5,5 g"}, {"Fett:", "2 g"}};
    const std::vector<DrawnText> labelLines = lines(375, 230, 300);
    const std::vector<DrawnText> valueLines = lines(500, 230, 300);
    ASSERT_EQ(labelLines.size(), 3u);
    ASSERT_EQ(valueLines.size(), 3u);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(labelLines[i].text, rows[i].first);
        EXPECT_EQ(valueLines[i].text, rows[i].second);
        EXPECT_EQ(labelLines[i].y, 230 + 14 * static_cast<int>(i));
        EXPECT_EQ(valueLines[i].y, labelLines[i].y);
    }
}

TEST_F(GageViewTest, IngredientListWrapsNarrowerBesideTheNutritionBlock) {
    view->setIngredientList("Rindfleisch, Zwiebeln, Paprika, Tomatenmark, Rapsöl, Speisesalz, "
                            "Knoblauch, Kümmel, Majoran, Pfeffer, Weizenmehl, Wasser, Sahne");
    for (const auto& [type, wrapWidth] :
         {std::pair{"Menü I", right - 80}, {GageView::NUTRITION_MENU_TYPE, right - 280}}) {
        view->setMenuType(type);
        print(0);
        const std::vector<DrawnText> list = lines(40, 230, 385);
        ASSERT_GT(list.size(), 1u) << type;
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            const std::string next = list[i + 1].text.substr(0, list[i + 1].text.find(' '));
            EXPECT_LE(widthOf(list[i].text + " ", 350, 14), wrapWidth) << type;
            EXPECT_GT(widthOf(list[i].text + " " + next, 350, 14), wrapWidth) << type;
        }
    }
}

TEST_F(GageViewTest, UnderscoreShowsAsBlankAndNeverBreaksTheLine) {
    view->setSize(widthOf("Hähnchenbrust (40%), Re", 650, 18) + 90, GageView::LABEL_HEIGHT);
    view->setTitleWithQuid("Hähnchenbrust_(40%), Reis");
    print(0);
    const std::vector<DrawnText> title = lines(40, 145, 200);
    ASSERT_EQ(title.size(), 2u);
    EXPECT_EQ(title[0].text, "Hähnchenbrust (40%),");
    EXPECT_EQ(title[0].y, 145);
    EXPECT_EQ(title[1].text, "Reis");
}

TEST_F(GageViewTest, PaperHasOnePageAndNoBackground) {
    view->setMenuName("Gulasch");
    EXPECT_EQ(print(1), JovPrintable::NO_SUCH_PAGE);
    EXPECT_TRUE(recorder.texts().empty());
    EXPECT_EQ(print(0), JovPrintable::PAGE_EXISTS);
    EXPECT_EQ(recorder.imageCount(), 0);
    recorder.record([&](JovGraphics& graphics) { view->paint(graphics); });
    EXPECT_EQ(recorder.imageCount(), 1);
    EXPECT_NE(recorder.find("Gulasch"), nullptr);
}
