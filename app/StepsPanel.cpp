// The label wizard's pages and buttons.

#include "app/StepsPanel.h"

#include "app/GageView.h"
#include "app/PreviewDialog.h"
#include "app/Step1Panel.h"
#include "app/Step5Panel.h"
#include "app/WizardCell.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovGridBagLayout.h"
#include "awt/JovToggleButton.h"
#include "awt/TabbedPane.h"
#include "awt/event/JovActionEvent.h"

namespace {
constexpr int wizardGap = 8;
constexpr const char* previewCommand = "preview";
constexpr const char* printCommand = "print";
} // namespace

StepsPanel::StepsPanel(PreviewDialog* previewDialog)
    : JovPanel(new JovBorderLayout(wizardGap, wizardGap)), previewDialog(previewDialog),
      tabbedPane(new TabbedPane()), step1(new Step1Panel(previewDialog->getGageView())),
      step5(new Step5Panel(previewDialog->getGageView())),
      previewToggle(new JovToggleButton("Vorschau")), printButton(new JovButton("Drucken")) {
    tabbedPane->addTab("Menü", step1);
    tabbedPane->addTab("Anzahl Etiketten/Werbetext", step5);
    add(tabbedPane, JovString("West"));
    add(makeButtons(), JovString("Center"));
    previewDialog->setToggle(previewToggle);
}

void StepsPanel::setAdvertisementText(const JovString& text) {
    step5->setAdvertisementText(text);
}

const JovString& StepsPanel::getAdvertisementText() const {
    return step5->getAdvertisementText();
}

void StepsPanel::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    if (command == JovString(previewCommand)) {
        previewDialog->setVisible(previewToggle->isSelected());
        return;
    }
    if (command == JovString(printCommand)) {
        previewDialog->getGageView()->printView();
    }
}

JovString StepsPanel::toString() const {
    return "tarvelund.main.StepsPanel";
}

// The buttons stand in the lower left corner of the room beside the pages, equally wide; the empty
// column right of them takes the free width, the row above them the free height.
JovPanel* StepsPanel::makeButtons() {
    previewToggle->setActionCommand(previewCommand);
    previewToggle->addActionListener(this);
    printButton->setActionCommand(printCommand);
    printButton->addActionListener(this);
    auto* buttons = new JovPanel(new JovGridBagLayout());
    JovGridBagConstraints toggleCell = WizardCell::at(0, 0, 1, JovGridBagConstraints::HORIZONTAL,
                                                      JovGridBagConstraints::SOUTHWEST);
    toggleCell.weightx = 0.0;
    toggleCell.weighty = 1.0;
    buttons->add(previewToggle, toggleCell);
    JovGridBagConstraints printCell = WizardCell::at(0, 1, 1, JovGridBagConstraints::HORIZONTAL,
                                                     JovGridBagConstraints::SOUTHWEST);
    printCell.weightx = 0.0;
    buttons->add(printButton, printCell);
    // A panel without layout would ask for its current size and keep the window from shrinking.
    auto* freeRoom = new JovPanel();
    freeRoom->setPreferredSize(JovDimension(1, 1));
    buttons->add(freeRoom, WizardCell::at(1, 0, 1, JovGridBagConstraints::BOTH));
    return buttons;
}
