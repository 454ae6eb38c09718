// The label wizard demonstration: the sample menu composed from the database as the program does.

#include "LabelWizardDemo.h"

#include "app/GageView.h"
#include "app/PreviewDialog.h"
#include "app/Step1Panel.h"
#include "app/StepsPanel.h"
#include "app/model/MealComposer.h"
#include "app/model/MealsDatabase.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovRadioButton.h"
#include "awt/JovToggleButton.h"
#include "lang/JovException.h"
#include "sql/Connection.h"

namespace {
// The preview stands beside the wizard, not over it.
constexpr int previewGap = 16;
constexpr const char* sampleAdvertisement = "Frisch gekocht in unserer Küche";
} // namespace

LabelWizardDemo::LabelWizardDemo()
    : ClosingFrame("Kalvenora - Etikett: Etikettenassistent"),
      previewDialog(new PreviewDialog(this)), stepsPanel(new StepsPanel(previewDialog)) {
    previewDialog->addRef();
    add(stepsPanel, JovString("Center"));
    stepsPanel->setAdvertisementText(sampleAdvertisement);
    composeSampleMenu();
}

LabelWizardDemo::~LabelWizardDemo() {
    previewDialog->dispose();
    previewDialog->release();
    if (connection != nullptr) {
        connection->disconnect();
        connection->release();
    }
}

void LabelWizardDemo::showPreview() {
    pack();
    previewDialog->setLocation(getX() + getWidth() + previewGap, getY());
    previewDialog->pack();
    stepsPanel->getStep1Panel()->selectMenuType(GageView::NUTRITION_MENU_TYPE);
    stepsPanel->getPreviewToggle()->doClick();
}

void LabelWizardDemo::printSample(const JovString& printerName) {
    previewDialog->getGageView()->setSize(previewDialog->getGageView()->getPreferredSize());
    previewDialog->getGageView()->printOn(printerName);
}

JovString LabelWizardDemo::toString() const {
    return "LabelWizardDemo";
}

void LabelWizardDemo::composeSampleMenu() {
    try {
        connection = MealsDatabase::open();
        connection->addRef();
    } catch (const JovException& failure) {
        previewDialog->getGageView()->setMenuName(failure.getMessage());
        return;
    }
    auto* treeRoot = new JovDefaultMutableTreeNode(new JovString("Alle Zutaten"));
    treeRoot->addRef();
    auto* composer = new MealComposer(treeRoot, nullptr, this);
    composer->addRef();
    composer->loadMenu(SAMPLE_MENU);
    if (composer->getRoot() != nullptr) {
        composer->compose();
        previewDialog->getGageView()->showComposition(*composer);
    }
    composer->release();
    treeRoot->release();
}
