// Drawing the label: fonts, baselines and wrap widths in label units, the same code for the
// screen, the printer and the label picture file.

#include "app/GageView.h"

#include "app/model/MealComposer.h"
#include "app/model/Menu.h"
#include "awt/JovColor.h"
#include "awt/JovGraphics.h"
#include "awt/JovImageIcon.h"
#include "awt/JovOptionPane.h"
#include "awt/event/JovActionEvent.h"
#include "awt/windows/JovPrinterJob.h"
#include "text/JovSimpleDateFormat.h"
#include "util/JovDate.h"
#include "util/JovStringTokenizer.h"

#include <algorithm>
#include <climits>

namespace {

constexpr const char* backgroundFile = "images/etikettdemo.bmp";
constexpr const char* printCommand = "print";
constexpr const char* useByCaption = "Zu verbrauchen bis ";
constexpr const char* useByPattern = "%d.%m.";
constexpr const char* imprintLine =
    "Kalvenora Menüküche | Lindenweg 12 | 12345 Musterstadt | Tel. 01234 5678";
constexpr const char* notPrintedMessage =
    "Das Etikett wurde nicht gedruckt.\nBitte prüfen Sie Drucker und Druckereinstellungen.";
constexpr const char* notPrintedTitle = "Druckfehler...";

constexpr const char* serif = "Times New Roman";
constexpr const char* serifItalic = "Times New Roman kursiv";
constexpr int heavyWeight = 1250;
constexpr int boldWeight = 650;
constexpr int lightWeight = 350;
constexpr int titleSize = 32;
constexpr int headingSize = 18;
constexpr int textSize = 14;

constexpr int backgroundX = 1;
constexpr int backgroundY = 1;
constexpr int leftColumn = 40;
constexpr int nutritionLabelColumn = 375;
constexpr int nutritionValueColumn = 500;
constexpr int menuNameBaseline = 125;
constexpr int designationBaseline = 145;
constexpr int headingBaseline = 200;
constexpr int listBaseline = 230;
constexpr int menuTypeBaseline = 97;
constexpr int sweetenerBaseline = 180;
constexpr int firstFooterBaseline = 385;
constexpr int secondFooterBaseline = 405;
constexpr int advertisementBaseline = 430;
constexpr int imprintBaseline = 450;
constexpr int nutritionLineHeight = 14;
// The right edge keeps this distance from the view's border; the texts keep more from it.
constexpr int rightMargin = 10;
constexpr int textMargin = 80;
constexpr int nutritionColumnsWidth = 280;
constexpr int rightAlignedMargin = 10;
constexpr double kilocaloriesPerKilojoule = 0.23884589662749595;

// Draws text word by word, starting a new line when the next word would pass wrapWidth; an
// underscore binds a word to the next and is drawn as a blank.
void drawWrapped(JovGraphics& graphics, const JovString& text, int x, int y, int wrapWidth) {
    const int lineHeight = graphics.stringHeight(text);
    JovStringTokenizer words(text, " ", false);
    JovString line;
    while (words.hasMoreTokens()) {
        const JovString word = words.nextToken().replace('_', ' ');
        // A word wider than the whole width starts its own line but never leaves one empty.
        if (line.length() == 0 || graphics.stringWidth(line + word) <= wrapWidth) {
            line += word + " ";
            continue;
        }
        graphics.drawString(line, x, y);
        y += lineHeight;
        line = word + " ";
    }
    graphics.drawString(line, x, y);
}

JovString formatted(const char* pattern, double value) {
    JovString text;
    text.format(pattern, value);
    return text;
}

// The kilocalories are truncated, as the label always showed them; a value past the int range
// is held at its end instead of overflowing.
JovString energyText(double kilojoules) {
    const double kilocalories =
        std::min(kilojoules * kilocaloriesPerKilojoule, static_cast<double>(INT_MAX));
    JovString text;
    text.format("%G kJ / %d kcal", kilojoules, static_cast<int>(kilocalories));
    return text;
}

} // namespace

GageView::GageView() : background(new JovImageIcon(backgroundFile)) {
}

GageView::~GageView() = default;

void GageView::setMenuType(const JovString& type) {
    menuType = type;
    showNutrition = type == JovString(NUTRITION_MENU_TYPE);
}

void GageView::setNutritionValues(const Menu& menu) {
    energy = menu.getDouble("bw");
    protein = menu.getDouble("ew");
    carbohydrates = menu.getDouble("kh");
    fat = menu.getDouble("fe");
    breadUnits = menu.getDouble("be");
}

void GageView::showComposition(const MealComposer& composer) {
    setMenuName(composer.getMenuName());
    setTitleWithQuid(composer.getTitleWithQuid());
    setIngredientList(composer.getIngredientList());
    setSweetenerNote(composer.getSweetenerNote());
    setFillQuantityText(composer.getFillQuantityText());
    setMeatText(composer.getMeatText());
    const Menu* menu = composer.getMenu();
    if (menu != nullptr) {
        setNutritionValues(*menu);
    }
}

JovString GageView::useByLineFor(const JovDate& date) {
    return useByCaption + JovSimpleDateFormat(useByPattern).format(date);
}

JovDimension GageView::getPreferredSize() {
    return JovDimension(LABEL_WIDTH, LABEL_HEIGHT);
}

void GageView::paint(JovGraphics& graphics) {
    graphics.drawImage(background->getImage(), backgroundX, backgroundY, LABEL_WIDTH, LABEL_HEIGHT);
    paintContent(graphics);
}

int GageView::print(JovGraphics& graphics, int pageIndex) {
    if (pageIndex != 0) {
        return NO_SUCH_PAGE;
    }
    paintContent(graphics);
    return PAGE_EXISTS;
}

void GageView::actionPerformed(JovActionEvent& event) {
    if (event.getActionCommand() == JovString(printCommand)) {
        printView();
    }
}

void GageView::printView() {
    JovPrinterJob* job = JovPrinterJob::getPrinterJob();
    job->setPrintable(this);
    if (job->printDialog(this)) {
        job->print();
    }
    finishPrinting(job);
}

void GageView::printOn(const JovString& printerName) {
    JovPrinterJob* job = JovPrinterJob::getPrinterJob();
    job->setPrintable(this);
    if (job->selectPrinter(printerName)) {
        job->print();
    }
    finishPrinting(job);
}

void GageView::finishPrinting(JovPrinterJob* job) {
    const bool failed = job->hasFailed();
    delete job;
    if (failed) {
        JovOptionPane::show(this, JovString(notPrintedMessage), notPrintedTitle,
                            JovOptionPane::ERROR_MESSAGE);
    }
}

JovString GageView::toString() const {
    return "tarvelund.main.GageView";
}

// A view not laid out yet (printed before it was ever shown) keeps to the label's own width.
int GageView::rightEdge() const {
    const int width = getWidth() > 0 ? getWidth() : LABEL_WIDTH;
    return width - rightMargin;
}

void GageView::paintContent(JovGraphics& graphics) {
    const int right = rightEdge();
    graphics.setColor(JovColor(0, 0, 0));
    graphics.setFont(serifItalic, heavyWeight, titleSize);
    drawWrapped(graphics, menuName, leftColumn, menuNameBaseline, right - textMargin);
    graphics.setFont(serif, boldWeight, headingSize);
    drawWrapped(graphics, titleWithQuid, leftColumn, designationBaseline, right - textMargin);
    graphics.drawString("Zutaten:", leftColumn, headingBaseline);
    if (showNutrition) {
        graphics.drawString("Nährwerte:", nutritionLabelColumn, headingBaseline);
        graphics.drawString("pro 100 g", nutritionValueColumn, headingBaseline);
        graphics.setFont(serif, boldWeight, textSize);
        paintNutrition(graphics);
    }
    graphics.setFont(serif, lightWeight, textSize);
    graphics.drawString(menuType, right - graphics.stringWidth(menuType) - rightAlignedMargin,
                        menuTypeBaseline);
    graphics.drawString(sweetenerNote,
                        right - graphics.stringWidth(sweetenerNote) - rightAlignedMargin,
                        sweetenerBaseline);
    const int listWidth = right - (showNutrition ? nutritionColumnsWidth : textMargin);
    drawWrapped(graphics, ingredientList, leftColumn, listBaseline, listWidth);
    graphics.setFont(serif, boldWeight, headingSize);
    graphics.drawString("Ohne Konservierungsstoffe", leftColumn, firstFooterBaseline);
    graphics.drawString(useByLine, leftColumn, secondFooterBaseline);
    graphics.drawString("Füllmenge:", nutritionLabelColumn, firstFooterBaseline);
    drawWrapped(graphics, fillQuantityText, nutritionValueColumn, firstFooterBaseline, right);
    graphics.drawString("Fleischeinwaage:", nutritionLabelColumn, secondFooterBaseline);
    drawWrapped(graphics, meatText, nutritionValueColumn, secondFooterBaseline, right);
    graphics.setFont(serif, boldWeight, textSize);
    graphics.drawString(advertisementText, leftColumn, advertisementBaseline);
    graphics.drawString(imprintLine, leftColumn, imprintBaseline);
}

void GageView::paintNutrition(JovGraphics& graphics) const {
    struct NutritionLine {
        const char* label;
        double value;
        JovString text;
    };
    const NutritionLine lines[] = {
        {"Brennwert:", energy, energyText(energy)},
        {"Eiweiß:", protein, formatted("%G g", protein)},
        {"Kohlenhydrate:", carbohydrates, formatted("%G g", carbohydrates)},
        {"Fett:", fat, formatted("%G g", fat)},
        {"BE:", breadUnits, formatted("%G", breadUnits)},
    };
    int y = listBaseline;
    for (const NutritionLine& line : lines) {
        // A value of 0 is not known for the menu: its line is left out, not printed as 0.
        if (line.value <= 0) {
            continue;
        }
        graphics.drawString(line.label, nutritionLabelColumn, y);
        graphics.drawString(line.text, nutritionValueColumn, y);
        y += nutritionLineHeight;
    }
}
