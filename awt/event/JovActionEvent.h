// A command: a button click, a chosen menu item, a timer firing. Handlers tell commands apart by
// the action-command text.
#pragma once

#include "awt/JovAWTEvent.h"

class JovActionEvent : public JovAWTEvent {
public:
    static constexpr int ACTION_PERFORMED = ACTION_EVENT_ID;

    JovActionEvent(JovObject* source, int id, const JovString& command)
        : JovAWTEvent(source, id), command(command) {}

    const JovString& getActionCommand() const { return command; }

    JovString toString() const override;

private:
    JovString command;
};
