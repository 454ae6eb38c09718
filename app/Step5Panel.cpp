// Label count and advertisement text of the label wizard. The count is shown and editable, but
// the copies come from the print dialog.

#include "app/Step5Panel.h"

#include "app/GageView.h"
#include "app/WizardCell.h"
#include "awt/JovGridBagLayout.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

namespace {
constexpr int countColumns = 4;
constexpr int fullWidth = 2;
} // namespace

Step5Panel::Step5Panel(GageView* view)
    : JovPanel(new JovGridBagLayout()), view(view), countField(new JovTextField("1", countColumns)),
      advertisementField(new JovTextField()) {
    add(new JovLabel("Geben Sie an, wieviele Standardetiketten gedruckt werden sollen:"),
        WizardCell::at(0, 0, fullWidth));
    add(new JovLabel("&Anzahl Etiketten:"), WizardCell::at(0, 1));
    add(countField, WizardCell::at(1, 1));
    add(new JovLabel("Geben Sie hier einen Werbetext für das Etikett an:"),
        WizardCell::at(0, 2, fullWidth));
    add(advertisementField, WizardCell::at(0, 3, fullWidth, JovGridBagConstraints::HORIZONTAL));
    advertisementField->addDocumentListener(this);
}

// Before the field has its control no change is reported, so the label is written here too.
void Step5Panel::setAdvertisementText(const JovString& text) {
    advertisementField->setText(text);
    followAdvertisement();
}

const JovString& Step5Panel::getAdvertisementText() const {
    return advertisementField->getText();
}

void Step5Panel::show() {
    JovPanel::show();
    if (shownBefore || getPeer() == nullptr) {
        return;
    }
    shownBefore = true;
    countField->requestFocus();
}

void Step5Panel::insertUpdate(DocumentEvent&) {
    followAdvertisement();
}

void Step5Panel::removeUpdate(DocumentEvent&) {
    followAdvertisement();
}

void Step5Panel::changedUpdate(DocumentEvent&) {
    followAdvertisement();
}

JovString Step5Panel::toString() const {
    return "tarvelund.main.Step5Panel";
}

void Step5Panel::followAdvertisement() {
    view->setAdvertisementText(advertisementField->getText());
    view->repaint();
}
