// A date entry: a text field showing a date with a native up/down control at its right; each
// arrow click moves the date by one day and is the spinner's action.
#pragma once

#include "awt/JovContainer.h"
#include "util/JovDate.h"

class JovActionListener;
class JovTextField;

class Spinner : public JovContainer {
public:
    // The room right of the field: the up/down control and the gap before it.
    static constexpr int UP_DOWN_SPACE = 22;
    static constexpr int UP_DOWN_WIDTH = 20;
    static constexpr int SECONDS_PER_STEP = 86400;
    // The pattern the field shows; it cannot read its own output back (the weekday comes first),
    // so only typed dates of the form TT.MM. change the date.
    static constexpr const char* DATE_PATTERN = "%a, %d.%m.%y";
    static constexpr const char* ACTION_COMMAND = "Spinner";

    explicit Spinner(const JovDate& date);
    ~Spinner() override;

    // Copies date and rewrites the field.
    void setDate(const JovDate& date);
    // The field's text when it parses with the pattern, else the date last set or stepped.
    const JovDate& getDate();
    // Moves the date by steps days, rewrites the field, takes the focus and sends the action
    // "Spinner"; the up/down control's notifications land here.
    void step(int steps);

    // The field and the up/down control together.
    void setEnabled(bool enabled) override;
    void requestFocus() override;
    JovTextField* getTextField() const { return field; }

    void addActionListener(JovActionListener* listener);
    void removeActionListener(JovActionListener* listener);

    // The field's width plus the up/down control, and its height plus 2.
    JovDimension getPreferredSize() override;
    void doLayout() override;

    JovString toString() const override;

private:
    void showDate();

    JovDate date;
    JovTextField* field;
    JovAWTEventMulticaster* actionListeners;
};
