// The food label: menu name, designation, ingredient list, the nutrition table of "Leichte
// Vollkost", use-by line, fill quantity, meat content, advertisement and imprint. On screen it lies
// on a sample label picture; on paper (it is the printable of the print job) only the content.
#pragma once

#include "awt/JovPanel.h"
#include "awt/JovPrintable.h"
#include "awt/event/JovActionListener.h"
#include "lang/JovReference.h"

class JovDate;
class JovImageIcon;
class JovPrinterJob;
class MealComposer;
class Menu;

class GageView : public JovPanel, public JovPrintable, public JovActionListener {
public:
    static constexpr int LABEL_WIDTH = 605;
    static constexpr int LABEL_HEIGHT = 454;
    // The one menu type whose label carries the nutrition table.
    static constexpr const char* NUTRITION_MENU_TYPE = "Leichte Vollkost";

    GageView();
    ~GageView() override;

    void setMenuName(const JovString& text) { menuName = text; }
    void setTitleWithQuid(const JovString& text) { titleWithQuid = text; }
    void setIngredientList(const JovString& text) { ingredientList = text; }
    void setSweetenerNote(const JovString& text) { sweetenerNote = text; }
    void setFillQuantityText(const JovString& text) { fillQuantityText = text; }
    void setMeatText(const JovString& text) { meatText = text; }
    void setUseByLine(const JovString& text) { useByLine = text; }
    void setAdvertisementText(const JovString& text) { advertisementText = text; }
    // Also shows the nutrition table exactly for "Leichte Vollkost".
    void setMenuType(const JovString& type);
    // The menu's "bw", "ew", "kh", "fe" and "be" per 100 g.
    void setNutritionValues(const Menu& menu);
    // Every text of the composer's last composition and its menu's nutrition values.
    void showComposition(const MealComposer& composer);

    const JovString& getUseByLine() const { return useByLine; }
    const JovString& getMenuType() const { return menuType; }
    const JovString& getAdvertisementText() const { return advertisementText; }
    bool isNutritionShown() const { return showNutrition; }

    // "Zu verbrauchen bis " and the day and month of date.
    static JovString useByLineFor(const JovDate& date);

    JovDimension getPreferredSize() override;
    // The sample label picture, then the content.
    void paint(JovGraphics& graphics) override;
    // Page 0 is the content alone; there is no other page.
    int print(JovGraphics& graphics, int pageIndex) override;
    // "print" prints the view.
    void actionPerformed(JovActionEvent& event) override;
    // The print dialog, then the label on the chosen printer; a failure is shown to the user, a
    // cancelled dialog is not.
    void printView();
    // The label on the named printer without the dialog; a failure is shown as by printView.
    void printOn(const JovString& printerName);

    JovString toString() const override;

private:
    // Deletes the job and tells the user when its platform calls failed.
    void finishPrinting(JovPrinterJob* job);
    void paintContent(JovGraphics& graphics);
    void paintNutrition(JovGraphics& graphics) const;
    // The right edge the texts keep to.
    int rightEdge() const;

    JovString ingredientList;
    JovString useByLine;
    JovString menuType;
    bool showNutrition = false;
    JovString titleWithQuid;
    JovString menuName;
    JovString sweetenerNote;
    JovString fillQuantityText;
    JovString meatText;
    JovString advertisementText;
    double energy = 0.0;
    double protein = 0.0;
    double carbohydrates = 0.0;
    double fat = 0.0;
    double breadUnits = 0.0;
    JovReference<JovImageIcon> background;
};
