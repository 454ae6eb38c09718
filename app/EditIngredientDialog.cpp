// The ingredient dialog's rows, the enabling of the optional values and the transfer into the
// ingredient.

#include "app/EditIngredientDialog.h"

#include "app/FormNumbers.h"
#include "app/model/Ingredient.h"
#include "awt/JovCheckBox.h"
#include "awt/JovChoice.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

namespace {

constexpr int idColumns = 8;
constexpr int shareColumns = 6;
constexpr double percent = 0.01;
constexpr double hundred = 100.0;

} // namespace

EditIngredientDialog::EditIngredientDialog(JovWindow* owner, Ingredient* ingredient, bool isNew,
                                           ConnectionOwner* database)
    : ItemDialog(owner, ingredient, isNew, database), ingredient(ingredient),
      labellingBox(new JovCheckBox("kennzeichnungspflichtig", ingredient->isKennzPflichtig())),
      meatBox(
          commandBox("Fleischanteil angeben", ingredient->isFleischanteilAngeben(), meatCommand)),
      meatField(new JovTextField(JovString::valueOf(ingredient->getFleischanteil() * hundred))),
      portionBox(commandBox("Teilportion", ingredient->isPortionValid(), portionCommand)),
      portionChoice(choiceOf(portionNames, portionCount, portionNameOf(ingredient->getPortion()))),
      salesNameField(new JovTextField(ingredient->getLabelName())),
      classBox(commandBox("Klasse", ingredient->isIngrClassValid(), classCommand)),
      classChoice(choiceOf(classNames, classCount, ingredient->getIngrClass())),
      femaleBox(new JovCheckBox("weiblich", ingredient->isFemale())),
      pluralBox(new JovCheckBox("Mehrzahl", ingredient->isPlural())),
      dativeField(new JovTextField(ingredient->getDativPlural())) {
    buildRows();
    updateEnabling();
    finishLayout(getIdField());
}

JovString EditIngredientDialog::portionNameOf(const JovString& code) {
    for (int index = 0; index < portionCount; ++index) {
        if (code == portionCodes[index]) {
            return portionNames[index];
        }
    }
    return JovString();
}

JovChoice* EditIngredientDialog::choiceOf(const char* const names[], int count,
                                          const JovString& selected) {
    auto* choice = new JovChoice;
    for (int index = 0; index < count; ++index) {
        choice->addItem(names[index]);
    }
    // A stored text that is none of the names shows the first one.
    choice->select(0);
    for (int index = 0; index < count; ++index) {
        if (selected == names[index]) {
            choice->select(index);
        }
    }
    return choice;
}

void EditIngredientDialog::buildRows() {
    getIdField()->setColumns(idColumns);
    meatField->setColumns(shareColumns);
    salesNameField->setColumns(fieldColumns);
    dativeField->setColumns(fieldColumns);
    addRow({new JovLabel("Geben Sie die Eigenschaften der Zutat an:")});
    addRow({new JovLabel("Art.-Nr.:"), getIdField()});
    addRow({labellingBox});
    addRow({new JovLabel("Name:"), getNameField()});
    addRow({meatBox, meatField, new JovLabel("%")});
    addRow({portionBox, portionChoice});
    addRow({new JovLabel("Verkehrsbezeichnung:"), salesNameField});
    addRow({classBox, classChoice});
    addRow({femaleBox, pluralBox});
    addRow({new JovLabel(dativeCaption()), dativeField});
}

JovString EditIngredientDialog::dativeCaption() const {
    // The phrase is " " article " " dative plural; the caption shows the article after a sample
    // percentage, as the label will print it.
    const JovString phrase = ingredient->getDativePhrase();
    const int articleEnd = phrase.length() - ingredient->getDativPlural().length() - 1;
    return JovString("XY% ") + phrase.substring(1, articleEnd);
}

void EditIngredientDialog::commandChosen(const JovString& command) {
    if (command == meatCommand || command == portionCommand || command == classCommand) {
        updateEnabling();
    }
}

void EditIngredientDialog::updateEnabling() {
    meatField->setEnabled(meatBox->isSelected());
    portionChoice->setEnabled(portionBox->isSelected());
    classChoice->setEnabled(classBox->isSelected());
}

bool EditIngredientDialog::isTaken(const JovString& idText, Connection* connection) const {
    return Ingredient::exists(idText, connection);
}

void EditIngredientDialog::storeValues() const {
    ingredient->setVerkehrsbezeichnung(salesNameField->getText().trim());
    ingredient->setDativPlural(dativeField->getText().trim());
    ingredient->setFleischanteil(FormNumbers::parseDecimal(meatField->getText()) * percent);
    ingredient->setFleischanteilAngeben(meatBox->isSelected());
    ingredient->setKennzPflichtig(labellingBox->isSelected());
    ingredient->setFemale(femaleBox->isSelected());
    ingredient->setPlural(pluralBox->isSelected());
    ingredient->setPortionValid(portionBox->isSelected());
    const int portion = portionChoice->getSelectedIndex();
    if (portion >= 0 && portion < portionCount) {
        ingredient->setPortion(portionCodes[portion]);
    }
    ingredient->setIngrClassValid(classBox->isSelected());
    ingredient->setIngrClass(classChoice->getSelectedItem());
}
