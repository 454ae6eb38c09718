// The wizard's first page: the menu type printed on the label and the use-by date, today,
// tomorrow or a day typed or stepped in the spinner. Every choice goes to the label at once.
#pragma once

#include "awt/JovPanel.h"
#include "awt/event/DocumentListener.h"
#include "awt/event/JovActionListener.h"
#include "util/JovDate.h"
#include "util/JovVector.h"

class GageView;
class JovButtonGroup;
class JovRadioButton;
class Spinner;

class Step1Panel : public JovPanel, public JovActionListener, public DocumentListener {
public:
    // The menu type selected at the start.
    static constexpr const char* INITIAL_MENU_TYPE = "Menü I";
    static constexpr int SECONDS_PER_DAY = 86400;

    // Writes the first menu type and tomorrow's use-by line into view.
    explicit Step1Panel(GageView* view);

    // The action command of the selected menu-type button.
    JovString getMenuType() const;
    // "Zu verbrauchen bis " and the spinner's day and month.
    JovString getUseByLine();
    Spinner* getSpinner() const { return spinner; }
    // Clicks the menu-type button whose action command is command, if there is one.
    void selectMenuType(const JovString& command);

    void actionPerformed(JovActionEvent& event) override;
    // Typing in the spinner's field: the label follows as soon as the text reads as a date.
    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;

    JovString toString() const override;

private:
    JovPanel* makeMenuTypes();
    JovPanel* makeDates();
    // A radio button of group that reports to this page.
    JovRadioButton* makeButton(JovButtonGroup* group, const char* label, const char* command,
                               const char* toolTip, bool selected);
    // The date buttons: the spinner is free only for "am".
    void chooseDate(const JovString& command);
    // Writes the use-by line into the label when it changed.
    void followSpinner();

    GageView* view;
    JovButtonGroup* menuTypes;
    JovVector menuTypeButtons;
    JovButtonGroup* dates;
    JovRadioButton* todayButton = nullptr;
    JovRadioButton* tomorrowButton = nullptr;
    JovRadioButton* otherDayButton = nullptr;
    Spinner* spinner = nullptr;
    JovDate today;
    JovDate tomorrow;
    JovDate otherDay;
    JovString lastUseByLine;
};
