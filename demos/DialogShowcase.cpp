// The sample ingredients and menu the dialog screenshots show.

#include "DialogShowcase.h"

#include "app/AddIngredientDialog.h"
#include "app/EditIngredientDialog.h"
#include "app/EditMenuDialog.h"
#include "app/PasswordChangeDialog.h"
#include "app/PasswordDialog.h"
#include "app/model/Ingredient.h"
#include "app/model/Menu.h"

namespace {

constexpr int frameX = 20;
constexpr int frameY = 20;
constexpr int frameWidth = 760;
constexpr int frameHeight = 600;

Ingredient* sausage() {
    auto* item = new Ingredient("Bratwurst", 1011);
    item->setVerkehrsbezeichnung("Bratwurst vom Schwein");
    item->setKennzPflichtig(true);
    item->setFleischanteilAngeben(true);
    item->setFleischanteil(0.7);
    item->setPortionValid(true);
    item->setPortion("he");
    item->setFemale(true);
    return item;
}

Ingredient* cream() {
    auto* item = new Ingredient("Sahne", 1020);
    item->setAmount(120.0);
    item->setWertgebend(true);
    return item;
}

Ingredient* vegetables() {
    auto* item = new Ingredient("Gemüsemischung", 5016);
    item->setAmount(250.0);
    item->setKennzPflichtig(true);
    item->setPlural(false);
    item->setImTitel(true);
    item->setVeraenderlicheAnteile(true);
    return item;
}

Menu* chickenMenu() {
    auto* menu = new Menu("Hähnchenbrust in Rahmsauce mit Reis", 101);
    const double values[] = {4.5, 1.2, 2.1, 0.8, 0.3, 1.1, 13.4, 8.9, 512.0};
    int index = 0;
    for (const char* key : Menu::nutritionKeys) {
        menu->putDouble(key, values[index++]);
    }
    return menu;
}

} // namespace

DialogShowcase::DialogShowcase(const JovString& dialogName)
    : ClosingFrame("Kalvenora - Dialoge"), dialogName(dialogName) {
    setBounds(frameX, frameY, frameWidth, frameHeight);
}

void DialogShowcase::show() {
    ClosingFrame::show();
    FormDialog* dialog = makeDialog();
    if (dialog != nullptr) {
        dialog->show();
        dialog->dispose();
    }
    dispose();
}

FormDialog* DialogShowcase::makeDialog() {
    if (dialogName == "password") {
        return new PasswordDialog(this, true, "tessmolin");
    }
    if (dialogName == "password-leave") {
        return new PasswordDialog(this, false, "tessmolin");
    }
    if (dialogName == "password-change") {
        return new PasswordChangeDialog(this, "tessmolin");
    }
    if (dialogName == "ingredient") {
        return new EditIngredientDialog(this, sausage(), false, nullptr);
    }
    if (dialogName == "occurrence") {
        return new AddIngredientDialog(this, cream(), true, {false, false, false});
    }
    if (dialogName == "occurrence-composed") {
        return new AddIngredientDialog(this, vegetables(), false, {true, true, false});
    }
    if (dialogName == "menu") {
        return new EditMenuDialog(this, chickenMenu(), false, nullptr);
    }
    return nullptr;
}

JovString DialogShowcase::toString() const {
    return "ool.demos.DialogShowcase";
}
