#include "awt/JovOptionPane.h"

#include <windows.h>

unsigned JovOptionPane::boxStyle(int type) {
    switch (type) {
    case ERROR_MESSAGE:
        return MB_ICONHAND | MB_OK;
    case INFORMATION_MESSAGE:
        return MB_ICONASTERISK | MB_OK;
    case WARNING_MESSAGE:
        return MB_ICONEXCLAMATION | MB_OK;
    case QUESTION_MESSAGE:
        return MB_ICONQUESTION | MB_YESNO;
    default:
        return MB_OK;
    }
}

int JovOptionPane::answerOf(int pressedButton) {
    switch (pressedButton) {
    case IDYES:
        return YES_OPTION;
    case IDNO:
        return NO_OPTION;
    case IDOK:
        return OK_OPTION;
    case IDABORT:
        return ABORT_OPTION;
    default:
        return CLOSED_OPTION;
    }
}

int JovOptionPane::show(const JovObject*, const JovObject& message, const JovString& title,
                        int type) {
    const JovString text = message.toString();
    return answerOf(MessageBoxA(nullptr, text.chars(), title.chars(), boxStyle(type)));
}
