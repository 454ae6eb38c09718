// The demo's panels: a grid of headings on top, a grid-bag form on the left, the drawn label in
// the centre and a grid of buttons at the bottom, all inside the frame's border layout.

#include "ToolkitDemo.h"

#include "LabelCanvas.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovChoice.h"
#include "awt/JovGridBagConstraints.h"
#include "awt/JovGridBagLayout.h"
#include "awt/JovGridLayout.h"
#include "awt/JovLabel.h"
#include "awt/JovPanel.h"
#include "awt/JovSystemColor.h"
#include "awt/JovTextField.h"
#include "awt/border/JovEmptyBorder.h"

namespace {

constexpr int frameX = 60;
constexpr int frameY = 40;
constexpr int frameWidth = 760;
constexpr int frameHeight = 520;
constexpr int gap = 8;
constexpr int fieldWidth = 150;
constexpr int controlHeight = 23;

void addRow(JovPanel* form, int row, const char* label, JovComponent* field) {
    const JovInsets space(gap / 2, gap / 2, gap / 2, gap / 2);
    form->add(new JovLabel(label),
              JovGridBagConstraints(0, row, 1, 1, 0.0, 0.0, JovGridBagConstraints::WEST,
                                    JovGridBagConstraints::NONE, space, 0, 0));
    field->setPreferredSize(JovDimension(fieldWidth, controlHeight));
    form->add(field, JovGridBagConstraints(1, row, 1, 1, 1.0, 0.0, JovGridBagConstraints::WEST,
                                           JovGridBagConstraints::HORIZONTAL, space, 0, 0));
}

} // namespace

ToolkitDemo::ToolkitDemo() : ClosingFrame("Kalvenora - Toolkit-Demo") {
    setBounds(frameX, frameY, frameWidth, frameHeight);
    setBackground(JovSystemColor(JovSystemColor::control));
    add(buildHeader(), JovString(JovBorderLayout::NORTH));
    add(buildForm(), JovString(JovBorderLayout::WEST));
    add(new LabelCanvas("images/etikettdemo.bmp"), JovString(JovBorderLayout::CENTER));
    add(buildButtons(), JovString(JovBorderLayout::SOUTH));
}

JovPanel* ToolkitDemo::buildHeader() {
    auto* header = new JovPanel();
    header->setLayout(new JovGridLayout(1, 3, gap, gap));
    header->setBorder(new JovEmptyBorder(gap, gap, gap, gap));
    header->add(new JovLabel("Rahmenlayout", JovLabel::LEFT));
    header->add(new JovLabel("Rasterlayout", JovLabel::CENTER));
    header->add(new JovLabel("Raster-Bag-Layout", JovLabel::RIGHT));
    return header;
}

JovPanel* ToolkitDemo::buildForm() {
    auto* form = new JovPanel();
    form->setLayout(new JovGridBagLayout());
    form->setBorder(new JovEmptyBorder(gap, gap, gap, gap));
    addRow(form, 0, "Menü:", new JovTextField("Gulasch mit Nudeln"));
    addRow(form, 1, "Art.-Nr.:", new JovTextField("1"));
    auto* type = new JovChoice();
    type->addItem("Hauptgericht");
    type->addItem("Beilage");
    type->select(0);
    addRow(form, 2, "Menütyp:", type);
    addRow(form, 3, "Füllmenge:", new JovTextField("450 g"));
    // The last row takes the spare height, so the rows stay at the top.
    form->add(new JovPanel(),
              JovGridBagConstraints(0, 4, 2, 1, 0.0, 1.0, JovGridBagConstraints::CENTER,
                                    JovGridBagConstraints::BOTH, JovInsets(), 0, 0));
    return form;
}

JovPanel* ToolkitDemo::buildButtons() {
    auto* buttons = new JovPanel();
    buttons->setLayout(new JovGridLayout(1, 4, gap, gap));
    buttons->setBorder(new JovEmptyBorder(gap, gap, gap, gap));
    buttons->add(new JovButton("Zurück"));
    buttons->add(new JovButton("Weiter"));
    buttons->add(new JovButton("Vorschau"));
    buttons->add(new JovButton("Drucken"));
    return buttons;
}

JovString ToolkitDemo::toString() const {
    return "ool.demos.ToolkitDemo";
}
