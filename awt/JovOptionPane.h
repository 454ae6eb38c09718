// German message and question boxes: the system message box, modal to its owner.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovOptionPane {
public:
    static constexpr int ERROR_MESSAGE = 1;
    static constexpr int INFORMATION_MESSAGE = 2;
    static constexpr int WARNING_MESSAGE = 3;
    static constexpr int QUESTION_MESSAGE = 4;

    static constexpr int YES_OPTION = 0;
    static constexpr int NO_OPTION = 1;
    static constexpr int CLOSED_OPTION = 2;
    static constexpr int OK_OPTION = 3;
    static constexpr int ABORT_OPTION = 4;

    // Shows message's text form under title; returns the answer as one of the options above.
    // Without an owner window yet, the box has no parent.
    static int show(const JovObject* parent, const JovObject& message, const JovString& title,
                    int type);

private:
    static unsigned boxStyle(int type);
    static int answerOf(int pressedButton);
};
