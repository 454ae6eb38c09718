// The article number and name checks of the master-data dialogs.

#include "app/ItemDialog.h"

#include "app/FormNumbers.h"
#include "app/model/AbstractMeal.h"
#include "app/model/ConnectionOwner.h"
#include "awt/JovTextField.h"
#include "text/JovMessageFormat.h"

ItemDialog::ItemDialog(JovWindow* owner, AbstractMeal* item, bool isNew, ConnectionOwner* database)
    : FormDialog(owner, titleFor(item, isNew)), item(item), isNew(isNew), database(database),
      idField(new JovTextField(JovString::valueOf(item->getId()))),
      nameField(new JovTextField(item->getName())) {
    nameField->setColumns(fieldColumns);
}

ItemDialog::~ItemDialog() = default;

JovString ItemDialog::titleFor(const AbstractMeal* item, bool isNew) {
    return item->getName() + (isNew ? addSuffix : editSuffix);
}

void ItemDialog::okChosen() {
    int id = 0;
    if (!acceptId(id) || !acceptName()) {
        return;
    }
    item->put(AbstractMeal::nameKey, nameField->getText().trim());
    item->setId(id);
    storeValues();
    confirm();
}

bool ItemDialog::acceptName() {
    const JovString name = nameField->getText().trim();
    if (name.length() > 0 && name != placeholderName()) {
        return true;
    }
    showError(nameMissingTitle, nameMissingText());
    // The number typed is kept: only the name needs another try.
    focusAndSelect(nameField);
    return false;
}

bool ItemDialog::acceptId(int& id) {
    const JovString text = idField->getText().trim();
    if (text.length() == 0) {
        refuseId(idMissingTitle, idMissingText);
        return false;
    }
    if (!FormNumbers::parseArticleNumber(text, id)) {
        refuseId(idInvalidTitle, idInvalidText);
        return false;
    }
    Connection* connection = database != nullptr ? database->getConnection() : nullptr;
    if (isNew && connection != nullptr && isTaken(JovString::valueOf(id), connection)) {
        refuseId(idTakenTitle, JovMessageFormat::format(idTakenPattern, &text, 1));
        return false;
    }
    return true;
}

void ItemDialog::refuseId(const JovString& title, const JovString& text) {
    showError(title, text);
    idField->setText(JovString::valueOf(item->getId()));
    focusAndSelect(idField);
}
