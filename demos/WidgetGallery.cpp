// The gallery's sample content: a menu's composition, its ingredients and a few menus.

#include "WidgetGallery.h"

#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovChoice.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovImageIcon.h"
#include "awt/JovLabel.h"
#include "awt/JovMenu.h"
#include "awt/JovMenuBar.h"
#include "awt/JovPanel.h"
#include "awt/JovSplitPane.h"
#include "awt/JovSystemColor.h"
#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/JovTextField.h"
#include "awt/JovTree.h"
#include "awt/TabbedPane.h"

namespace {

constexpr int frameX = 40;
constexpr int frameY = 30;
constexpr int frameWidth = 920;
constexpr int frameHeight = 560;
constexpr int treeWidth = 270;
constexpr int fieldWidth = 170;
constexpr int choiceWidth = 110;
constexpr int controlHeight = 23;
constexpr int buttonWidth = 90;
constexpr int checkBoxWidth = 120;
constexpr int nameWidth = 170;
constexpr int idWidth = 70;
constexpr int idMinWidth = 40;
constexpr int classWidth = 150;
constexpr int designationWidth = 260;
constexpr int gap = 6;
constexpr int barHeight = controlHeight + 2 * gap;

JovVector names(std::initializer_list<const char*> titles) {
    JovVector vector;
    for (const char* title : titles) {
        vector.addElement(title);
    }
    return vector;
}

JovComponent* sized(JovComponent* component, int width) {
    component->setPreferredSize(JovDimension(width, controlHeight));
    return component;
}

} // namespace

WidgetGallery::WidgetGallery()
    : ClosingFrame("Kalvenora - Widget-Galerie"), root(nullptr), tree(nullptr),
      ingredientTable(nullptr), menuTable(nullptr) {
    setBounds(frameX, frameY, frameWidth, frameHeight);
    setBackground(JovSystemColor(JovSystemColor::control));
    buildMenuBar();
    auto* split = new JovSplitPane(JovSplitPane::HORIZONTAL_SPLIT);
    split->setLeftComponent(buildTree());
    auto* tabs = new TabbedPane();
    tabs->addTab("Zutaten", buildIngredientPage());
    tabs->addTab("Menüs", buildMenuPage());
    split->setRightComponent(tabs);
    split->setDividerLocation(treeWidth);
    add(split, JovString(JovBorderLayout::CENTER));
    add(buildButtonRow(), JovString(JovBorderLayout::SOUTH));
}

WidgetGallery::~WidgetGallery() {
    if (root != nullptr) {
        root->release();
    }
}

void WidgetGallery::show() {
    ClosingFrame::show();
    tree->requestFocus();
}

JovImageIcon* WidgetGallery::icon(const char* fileName) {
    auto* picture = new JovImageIcon(JovString("images/") + fileName);
    icons.addElement(picture);
    return picture;
}

void WidgetGallery::buildMenuBar() {
    auto* bar = new JovMenuBar();
    auto* file = new JovMenu("&Datei");
    file->add("&Neu");
    file->add("&Drucken...");
    file->addSeparator();
    file->add("&Beenden");
    bar->add(file);
    auto* edit = new JovMenu("&Bearbeiten");
    edit->add("&Suchen");
    edit->add("&Eingabemodus");
    bar->add(edit);
    auto* help = new JovMenu("&Hilfe");
    help->add("&Über Etikett...");
    bar->add(help);
    setMenuBar(bar);
}

JovDefaultMutableTreeNode* WidgetGallery::node(JovDefaultMutableTreeNode* parent, const char* label,
                                               const char* picture) {
    auto* child = new JovDefaultMutableTreeNode(new JovString(label));
    if (parent != nullptr) {
        parent->add(child);
    }
    nodePictures.emplace_back(child, icon(picture));
    return child;
}

JovTree* WidgetGallery::buildTree() {
    root = node(nullptr, "Alle Zutaten", "top.bmp");
    root->addRef();
    JovDefaultMutableTreeNode* menu = node(root, "Gulasch mit Nudeln", "DoseKleinMenue.bmp");
    JovDefaultMutableTreeNode* goulash = node(menu, "Gulasch", "TWK.bmp");
    node(goulash, "Rindfleisch", "TK.bmp");
    node(goulash, "Zwiebeln", "T.bmp");
    node(goulash, "Paprikapulver", "W.bmp");
    node(menu, "Hartweizennudeln", "TW.bmp");
    JovDefaultMutableTreeNode* sauce = node(menu, "Soße", "K.bmp");
    node(sauce, "Kartoffelstärke", "K.bmp");
    node(sauce, "Speisesalz", "noicon.bmp");
    tree = new JovTree(root);
    tree->setCellRenderer(this);
    tree->expandAll();
    tree->setSelectedNode(goulash);
    return tree;
}

void WidgetGallery::addIngredient(const char* name, const char* id, const char* additiveClass,
                                  const char* designation, const char* picture) {
    auto* row = new JovVector();
    row->addElement(name);
    row->addElement(id);
    row->addElement(additiveClass);
    row->addElement(designation);
    ingredientRows.addElement(row);
    ingredientPictures.push_back(icon(picture));
}

void WidgetGallery::addMenu(const char* name, const char* id, const char* designation,
                            const char* picture) {
    auto* row = new JovVector();
    row->addElement(name);
    row->addElement(id);
    row->addElement(designation);
    menuRows.addElement(row);
    menuPictures.push_back(icon(picture));
}

JovPanel* WidgetGallery::buildIngredientPage() {
    addIngredient("Rindfleisch", "1001", "", "Rindfleisch", "TK.bmp");
    addIngredient("Zwiebeln", "1002", "", "Zwiebeln", "T.bmp");
    addIngredient("Paprikapulver", "1003", "", "Paprikapulver", "W.bmp");
    addIngredient("Kartoffelstärke", "1004", "Verdickungsmittel", "Kartoffelstärke", "K.bmp");
    addIngredient("Sorbinsäure", "1005", "Konservierungsstoff", "Sorbinsäure", "WK.bmp");
    addIngredient("Hartweizennudeln", "1006", "", "Nudeln aus Hartweizengrieß", "TW.bmp");
    addIngredient("Speisesalz", "1007", "", "Jodsalz", "noicon.bmp");
    ingredientTable =
        new JovTable(ingredientRows, names({"Name", "Art.-Nr.", "Klasse", "Verkehrsbezeichnung"}));
    const int widths[] = {nameWidth, idWidth, classWidth, designationWidth};
    for (int column = 0; column < ingredientTable->getColumnCount(); ++column) {
        ingredientTable->setColumnWidth(column, widths[column]);
    }
    ingredientTable->setColumnMinWidth(1, idMinWidth);
    ingredientTable->setColumnAlignment(1, JovTableColumn::RIGHT);
    ingredientTable->setCellRenderer(this);
    ingredientTable->setChecked(0, true);
    ingredientTable->setChecked(1, true);
    ingredientTable->setChecked(2, true);
    ingredientTable->setSelectedRow(1);

    auto* search = new JovPanel();
    search->setLayout(new JovFlowLayout(JovFlowLayout::LEFT, gap, gap));
    search->add(new JovLabel("Suchen:"));
    search->add(sized(new JovTextField("Kar*"), fieldWidth));
    auto* field = new JovChoice();
    field->addItem("Name");
    field->addItem("Art.-Nr.");
    field->addItem("Klasse");
    field->select(0);
    search->add(sized(field, choiceWidth));
    search->add(sized(new JovButton("Neu"), buttonWidth));

    // One row high: the flow layout measures its rows against the width it has.
    search->setPreferredSize(JovDimension(frameWidth, barHeight));
    auto* page = new JovPanel();
    page->setLayout(new JovBorderLayout());
    page->add(search, JovString(JovBorderLayout::NORTH));
    page->add(ingredientTable, JovString(JovBorderLayout::CENTER));
    return page;
}

JovPanel* WidgetGallery::buildMenuPage() {
    addMenu("Gulasch mit Nudeln", "1", "Rindergulasch mit Hartweizennudeln", "DoseKleinMenue.bmp");
    addMenu("Linseneintopf", "2", "Linseneintopf mit Würstchen", "DoseKleinHauptessen.bmp");
    addMenu("Gemüsepfanne", "3", "Gemüsepfanne mit Kartoffeln", "DoseKleinGemuese.bmp");
    addMenu("Reis als Beilage", "4", "Langkornreis", "DoseKleinBeilage.bmp");
    menuTable = new JovTable(menuRows, names({"Name", "Art.-Nr.", "Verkehrsbezeichnung"}));
    const int widths[] = {nameWidth, idWidth, designationWidth};
    for (int column = 0; column < menuTable->getColumnCount(); ++column) {
        menuTable->setColumnWidth(column, widths[column]);
    }
    menuTable->setColumnAlignment(1, JovTableColumn::RIGHT);
    menuTable->setCellRenderer(this);
    menuTable->setChecked(0, true);
    auto* page = new JovPanel();
    page->setLayout(new JovBorderLayout());
    page->add(menuTable, JovString(JovBorderLayout::CENTER));
    return page;
}

JovPanel* WidgetGallery::buildButtonRow() {
    auto* row = new JovPanel();
    row->setLayout(new JovFlowLayout(JovFlowLayout::RIGHT, gap, gap));
    row->add(sized(new JovCheckBox("Eingabemodus"), checkBoxWidth));
    row->add(sized(new JovButton("Vorschau"), buttonWidth));
    row->add(sized(new JovButton("Drucken"), buttonWidth));
    row->setPreferredSize(JovDimension(frameWidth, barHeight));
    return row;
}

JovString WidgetGallery::getCellText(JovTable&, JovObject* value, int, int) {
    return value != nullptr ? value->toString() : JovString();
}

JovImage* WidgetGallery::getCellImage(JovTable& table, JovObject*, int row, int) {
    const std::vector<JovImageIcon*>& pictures =
        &table == ingredientTable ? ingredientPictures : menuPictures;
    if (row < 0 || static_cast<std::size_t>(row) >= pictures.size()) {
        return nullptr;
    }
    return pictures[row]->getImage();
}

JovImage* WidgetGallery::getNodeImage(JovTree&, JovDefaultMutableTreeNode* shown) {
    for (const auto& entry : nodePictures) {
        if (entry.first == shown) {
            return entry.second->getImage();
        }
    }
    return nullptr;
}

JovString WidgetGallery::toString() const {
    return "ool.demos.WidgetGallery";
}
