// Time value holder; its text is the runtime library's fixed English asctime form.

#include "util/JovDate.h"

#include <ctime>

JovDate::JovDate() : time(static_cast<int>(std::time(nullptr))) {
}

JovDate::JovDate(int time) : time(time) {
}

int JovDate::getTime() const {
    return time;
}

void JovDate::setTime(int newTime) {
    time = newTime;
}

JovString JovDate::toString() const {
    const std::time_t value = time;
    // The Windows runtime has no local time before 1970 and answers null.
    const std::tm* local = std::localtime(&value);
    if (local == nullptr) {
        return JovString();
    }
    const JovString text(std::asctime(local));
    if (!text.endsWith("\n")) {
        return text;
    }
    return text.substring(0, text.length() - 1);
}

bool JovDate::equals(const JovObject* other) const {
    const auto* date = dynamic_cast<const JovDate*>(other);
    return date != nullptr && date->time == time;
}

JovObject* JovDate::clone() const {
    return new JovDate(time);
}
