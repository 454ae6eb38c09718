// The date spinner: its field, its date and the day steps of its up/down control.

#include "awt/Spinner.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/JovTextField.h"
#include "awt/event/JovActionEvent.h"
#include "lang/JovException.h"
#include "text/JovSimpleDateFormat.h"

namespace {
// The field sits one pixel inside the spinner's height, centred on the up/down control.
constexpr int fieldMargin = 1;
// Room for a date in the field's pattern, whatever the weekday: the field keeps its width.
constexpr int fieldColumns = 9;
} // namespace

Spinner::Spinner(const JovDate& date)
    : date(date), field(new JovTextField(JovString(), fieldColumns)), actionListeners(nullptr) {
    add(field);
    showDate();
}

Spinner::~Spinner() {
    JovAWTEventMulticaster::remove(actionListeners, nullptr);
}

void Spinner::setDate(const JovDate& newDate) {
    date.setTime(newDate.getTime());
    showDate();
}

const JovDate& Spinner::getDate() {
    try {
        date = JovSimpleDateFormat(DATE_PATTERN).parse(field->getText());
    } catch (const JovException&) {
        // Not a date the pattern reads: the date stays as it was.
    }
    return date;
}

void Spinner::step(int steps) {
    date.setTime(date.getTime() + steps * SECONDS_PER_STEP);
    showDate();
    requestFocus();
    if (actionListeners != nullptr) {
        JovActionEvent action(this, JovActionEvent::ACTION_PERFORMED, ACTION_COMMAND);
        actionListeners->actionPerformed(action);
    }
}

void Spinner::setEnabled(bool enabled) {
    JovContainer::setEnabled(enabled);
    field->setEnabled(enabled);
}

void Spinner::requestFocus() {
    field->requestFocus();
}

void Spinner::addActionListener(JovActionListener* listener) {
    actionListeners = JovAWTEventMulticaster::add(actionListeners, listener);
}

void Spinner::removeActionListener(JovActionListener* listener) {
    if (listener != nullptr) {
        actionListeners = JovAWTEventMulticaster::remove(actionListeners, listener);
    }
}

JovDimension Spinner::getPreferredSize() {
    const JovDimension fieldSize = field->getPreferredSize();
    return JovDimension(fieldSize.width + UP_DOWN_SPACE, fieldSize.height + 2 * fieldMargin);
}

void Spinner::doLayout() {
    field->setBounds(0, fieldMargin, getWidth() - UP_DOWN_SPACE, getHeight() - 2 * fieldMargin);
}

JovString Spinner::toString() const {
    return "ool.awt.Spinner";
}

void Spinner::showDate() {
    field->setText(JovSimpleDateFormat(DATE_PATTERN).format(date));
}
