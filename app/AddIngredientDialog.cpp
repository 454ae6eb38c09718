// The occurrence dialog's rows as its place asks for them, the weight check and the transfer.

#include "app/AddIngredientDialog.h"

#include "app/FormNumbers.h"
#include "app/model/Ingredient.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

namespace {

constexpr int weightColumns = 8;

JovCheckBox* toolTipped(JovCheckBox* box, const char* toolTip) {
    box->setToolTipText(toolTip);
    return box;
}

} // namespace

AddIngredientDialog::AddIngredientDialog(JovWindow* owner, Ingredient* occurrence, bool adding,
                                         Place place)
    : FormDialog(owner, occurrence->getName() + (adding ? addingSuffix : editingSuffix)),
      occurrence(occurrence), place(place),
      weightBox(commandBox("Einwaage vorgeben", occurrence->isMengeAngeben(), weightCommand)),
      weightField(new JovTextField(FormNumbers::oneDecimal(occurrence->getAmount()))),
      unitLabel(new JovLabel("g")),
      valueGivingBox(commandBox("wertgebend/kaufentscheidend", occurrence->isWertgebend(),
                                valueGivingCommand)),
      basisBox(new JovCheckBox("Prozentangabe auf das Gesamtmenü beziehen",
                               occurrence->isMengeAufMenueBeziehen())),
      titleBox(new JovCheckBox("Teil des Menütitels", occurrence->isImTitel())),
      variableBox(new JovCheckBox("veränderliche Gewichtsanteile der Einzelzutaten",
                                  occurrence->hasVariableShares())) {
    weightField->setColumns(weightColumns);
    buildRows(adding);
    updateEnabling();
    finishLayout(isWeightInUse() ? static_cast<JovComponent*>(weightField) : getOkButton());
}

AddIngredientDialog::~AddIngredientDialog() = default;

void AddIngredientDialog::buildRows(bool adding) {
    addRow({new JovLabel(adding ? addingHeader : editingHeader)});
    if (place.variableShare) {
        addRow({new JovLabel(variableNote)});
    }
    addWeightRow();
    addRow({toolTipped(valueGivingBox, "Klicken Sie hier, wenn der Anteil dieser Zutat als "
                                       "Prozentzahl ausgewiesen werden soll (z. B. bei Sahne).")});
    if (!place.noPercentageBasis) {
        addRow({toolTipped(basisBox.get(),
                           "Klicken Sie hier, wenn sich die angegebene Prozentzahl auf "
                           "das Gesamtmenü und nicht auf die zusammengesetzte Zutat "
                           "beziehen soll.")});
    }
    addRow({toolTipped(titleBox, "Klicken Sie hier, wenn diese Zutat im Titel des Menüs "
                                 "erscheinen soll (unter dem Menünamen).")});
    addRow({toolTipped(variableBox, "Klicken Sie hier z. B. bei Gemüse (mit Erbsen, Möhren usw. "
                                    "in veränderlichen Gewichtsanteilen).")});
    if (occurrence->isKennzPflichtig()) {
        addRow({new JovLabel(labellingNote())});
    }
}

void AddIngredientDialog::addWeightRow() {
    if (!place.composed) {
        addRow({new JovLabel("Einwaage:"), weightField, unitLabel});
        return;
    }
    addRow(
        {toolTipped(weightBox.get(), "Bei zusammengesetzten Zutaten können Sie die Einwaage fest "
                                     "vorgeben oder aus der Summe der Einzelzutaten berechnen "
                                     "lassen."),
         weightField, unitLabel});
}

JovString AddIngredientDialog::labellingNote() const {
    return occurrence->getName() + (occurrence->isPlural() ? " sind" : " ist") +
           " kennzeichnungspflichtig.";
}

void AddIngredientDialog::commandChosen(const JovString& command) {
    if (command == valueGivingCommand) {
        updateEnabling();
        return;
    }
    if (command == weightCommand) {
        updateEnabling();
        if (weightBox->isSelected()) {
            weightField->requestFocus();
        }
    }
}

void AddIngredientDialog::updateEnabling() {
    const bool weightInUse = isWeightInUse();
    weightField->setEnabled(weightInUse);
    unitLabel->setEnabled(weightInUse);
    valueGivingBox->setEnabled(!place.variableShare);
    basisBox->setEnabled(valueGivingBox->isSelected());
}

bool AddIngredientDialog::isWeightInUse() const {
    return !place.composed || weightBox->isSelected();
}

void AddIngredientDialog::okChosen() {
    if (isWeightInUse() && !FormNumbers::isWeight(weightField->getText())) {
        showError(weightInvalidTitle, weightInvalidText);
        weightField->setText(FormNumbers::oneDecimal(occurrence->getAmount()));
        focusAndSelect(weightField);
        return;
    }
    storeValues();
    confirm();
}

void AddIngredientDialog::storeValues() const {
    // A weight that is summed up from the parts keeps the occurrence's own value.
    if (isWeightInUse()) {
        const double weight = FormNumbers::parseDecimal(weightField->getText());
        occurrence->setAmount(weight);
        occurrence->setWorkingWeight(weight);
    }
    occurrence->setMengeAngeben(weightBox->isSelected());
    occurrence->setWertgebend(valueGivingBox->isSelected());
    occurrence->setMengeAufMenueBeziehen(basisBox->isSelected());
    occurrence->setImTitel(titleBox->isSelected());
    occurrence->setVeraenderlicheAnteile(variableBox->isSelected());
}
