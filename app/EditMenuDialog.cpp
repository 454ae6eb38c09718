// The menu dialog's rows, the kcal display and the transfer of the values into the menu.

#include "app/EditMenuDialog.h"

#include "app/FormNumbers.h"
#include "app/model/Menu.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

#include <climits>

namespace {

// 1 / 4.1868: kilojoules to kilocalories.
constexpr double kcalPerKilojoule = 0.23884589662749595;
constexpr int idColumns = 8;
constexpr int valueColumns = 8;

} // namespace

EditMenuDialog::EditMenuDialog(JovWindow* owner, Menu* menu, bool isNew, ConnectionOwner* database)
    : ItemDialog(owner, menu, isNew, database), menu(menu), nutritionFields(),
      kcalLabel(new JovLabel(kcalText(menu->getDouble(nutritionRows[energyRow].key)))) {
    getIdField()->setColumns(idColumns);
    addRow({new JovLabel("Geben Sie die Eigenschaften des Menüs an:")});
    addRow({new JovLabel("Art.-Nr.:"), getIdField()});
    addRow({new JovLabel("Name:"), getNameField()});
    addRow({new JovLabel("Geben Sie hier die Nährwerte pro 100 g ein:")});
    for (int index = 0; index < nutritionCount; ++index) {
        addNutritionRow(index);
    }
    nutritionFields[energyRow]->addDocumentListener(this);
    finishLayout(getIdField());
}

void EditMenuDialog::addNutritionRow(int index) {
    const NutritionRow& row = nutritionRows[index];
    auto* field = new JovTextField(JovString::valueOf(menu->getDouble(row.key)));
    field->setColumns(valueColumns);
    nutritionFields[index] = field;
    auto* caption = new JovLabel(row.caption);
    if (index == energyRow) {
        addRow({caption, field, new JovLabel(row.unit), kcalLabel});
        return;
    }
    if (row.unit[0] == '\0') {
        addRow({caption, field});
        return;
    }
    addRow({caption, field, new JovLabel(row.unit)});
}

JovString EditMenuDialog::kcalText(double kilojoules) {
    const double kcal = kilojoules * kcalPerKilojoule;
    // Cut toward zero; beyond the int range the value stops at its end.
    const int whole = kcal >= INT_MAX   ? INT_MAX
                      : kcal <= INT_MIN ? INT_MIN
                                        : static_cast<int>(kcal);
    return JovString::valueOf(whole) + " kcal";
}

void EditMenuDialog::insertUpdate(DocumentEvent& event) {
    changedUpdate(event);
}

void EditMenuDialog::removeUpdate(DocumentEvent& event) {
    changedUpdate(event);
}

void EditMenuDialog::changedUpdate(DocumentEvent& event) {
    kcalLabel->setText(kcalText(FormNumbers::parseDecimal(event.getText())));
    refit();
}

bool EditMenuDialog::isTaken(const JovString& idText, Connection* connection) const {
    return Menu::exists(idText, connection);
}

void EditMenuDialog::storeValues() const {
    for (int index = 0; index < nutritionCount; ++index) {
        menu->putDouble(nutritionRows[index].key,
                        FormNumbers::parseDecimal(nutritionFields[index]->getText()));
    }
}
