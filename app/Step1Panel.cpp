// Menu type and use-by date of the label wizard.

#include "app/Step1Panel.h"

#include "app/GageView.h"
#include "app/WizardCell.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButtonGroup.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovGridBagLayout.h"
#include "awt/JovGridLayout.h"
#include "awt/JovLabel.h"
#include "awt/JovRadioButton.h"
#include "awt/JovTextField.h"
#include "awt/Spinner.h"
#include "awt/event/JovActionEvent.h"

namespace {

struct ButtonRow {
    const char* label;
    const char* command;
    const char* toolTip;
    bool selected;
};

constexpr const char* nutritionToolTip = "Leichte Vollkost ist ein Menü mit Nährwerttabelle.";
constexpr ButtonRow menuTypeRows[] = {
    {Step1Panel::INITIAL_MENU_TYPE, Step1Panel::INITIAL_MENU_TYPE, nullptr, true},
    {"Feinschmecker", "Feinschmeckermenü", nullptr, false},
    {"Leichte Vollkost", "Leichte Vollkost", nutritionToolTip, false},
    {"Menü II", "Menü II", nullptr, false},
    {"Kaltmenü", "Kaltmenü", nullptr, false},
};
constexpr int menuTypeGridRows = 2;
constexpr int menuTypeGridColumns = 3;

constexpr const char* dateToolTip = "Dieses Datum wird bei 'Zu verbrauchen bis' eingetragen.";
constexpr const char* otherDayToolTip =
    "Bei manueller Datumseingabe bitte das Format TT.MM. verwenden.";
constexpr const char* todayCommand = "today";
constexpr const char* tomorrowCommand = "tomorrow";
constexpr const char* otherDayCommand = "otherDay";
constexpr int dateRowGap = 12;

bool is(const JovString& command, const char* expected) {
    return command == JovString(expected);
}

} // namespace

Step1Panel::Step1Panel(GageView* view)
    : JovPanel(new JovGridBagLayout()), view(view), menuTypes(new JovButtonGroup()),
      dates(new JovButtonGroup()), tomorrow(today.getTime() + SECONDS_PER_DAY),
      otherDay(tomorrow.getTime()) {
    add(new JovLabel("Wählen Sie den Menütyp aus:"), WizardCell::at(0, 0));
    add(makeMenuTypes(), WizardCell::at(0, 1));
    add(new JovLabel("Geben Sie das Herstellungsdatum an:"), WizardCell::at(0, 2));
    add(makeDates(), WizardCell::at(0, 3));
    view->setMenuType(getMenuType());
    lastUseByLine = getUseByLine();
    view->setUseByLine(lastUseByLine);
}

JovString Step1Panel::getMenuType() const {
    const JovToggleButton* selected = menuTypes->getSelection();
    return selected != nullptr ? selected->getActionCommand() : JovString();
}

void Step1Panel::selectMenuType(const JovString& command) {
    for (int i = 0; i < menuTypeButtons.size(); ++i) {
        auto* button = static_cast<JovRadioButton*>(menuTypeButtons.elementAt(i));
        if (button->getActionCommand() == command) {
            button->doClick();
            return;
        }
    }
}

JovString Step1Panel::getUseByLine() {
    return GageView::useByLineFor(spinner->getDate());
}

void Step1Panel::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    chooseDate(command);
    if (is(command, Spinner::ACTION_COMMAND)) {
        followSpinner();
    }
    auto* button = dynamic_cast<JovToggleButton*>(event.getSource());
    if (button == nullptr) {
        return;
    }
    if (button->getGroup() == menuTypes) {
        view->setMenuType(getMenuType());
    } else if (button->getGroup() == dates) {
        lastUseByLine = getUseByLine();
        view->setUseByLine(lastUseByLine);
    }
    view->repaint();
}

void Step1Panel::insertUpdate(DocumentEvent&) {
    followSpinner();
}

void Step1Panel::removeUpdate(DocumentEvent&) {
    followSpinner();
}

void Step1Panel::changedUpdate(DocumentEvent&) {
    followSpinner();
}

JovString Step1Panel::toString() const {
    return "tarvelund.main.Step1Panel";
}

JovPanel* Step1Panel::makeMenuTypes() {
    auto* panel = new JovPanel(new JovGridLayout(menuTypeGridRows, menuTypeGridColumns));
    for (const ButtonRow& row : menuTypeRows) {
        JovRadioButton* button =
            makeButton(menuTypes, row.label, row.command, row.toolTip, row.selected);
        menuTypeButtons.addElement(button);
        panel->add(button);
    }
    return panel;
}

JovPanel* Step1Panel::makeDates() {
    auto* panel = new JovPanel(new JovFlowLayout(JovFlowLayout::LEFT, dateRowGap, dateRowGap));
    todayButton = makeButton(dates, "heute", todayCommand, dateToolTip, false);
    panel->add(todayButton);
    tomorrowButton = makeButton(dates, "morgen", tomorrowCommand, dateToolTip, true);
    panel->add(tomorrowButton);
    auto* otherDayPanel = new JovPanel(new JovBorderLayout());
    otherDayButton = makeButton(dates, "am", otherDayCommand, otherDayToolTip, false);
    otherDayPanel->add(otherDayButton, JovString("West"));
    spinner = new Spinner(tomorrow);
    spinner->setEnabled(false);
    spinner->getTextField()->setToolTipText(dateToolTip);
    spinner->addActionListener(this);
    spinner->getTextField()->addDocumentListener(this);
    otherDayPanel->add(spinner, JovString("East"));
    panel->add(otherDayPanel);
    return panel;
}

JovRadioButton* Step1Panel::makeButton(JovButtonGroup* group, const char* label,
                                       const char* command, const char* toolTip, bool selected) {
    auto* button = new JovRadioButton(label, selected);
    button->setActionCommand(command);
    if (toolTip != nullptr) {
        button->setToolTipText(toolTip);
    }
    group->add(button);
    button->addActionListener(this);
    return button;
}

void Step1Panel::chooseDate(const JovString& command) {
    if (is(command, todayCommand) && todayButton->isSelected()) {
        spinner->setEnabled(false);
        spinner->setDate(today);
        return;
    }
    if (is(command, tomorrowCommand) && tomorrowButton->isSelected()) {
        spinner->setEnabled(false);
        spinner->setDate(tomorrow);
        return;
    }
    if (is(command, otherDayCommand) && otherDayButton->isSelected()) {
        spinner->setEnabled(true);
        spinner->setDate(otherDay);
        spinner->requestFocus();
        spinner->getTextField()->selectAll();
    }
}

void Step1Panel::followSpinner() {
    const JovString useByLine = getUseByLine();
    if (useByLine == lastUseByLine) {
        return;
    }
    lastUseByLine = useByLine;
    view->setUseByLine(useByLine);
    view->repaint();
}
