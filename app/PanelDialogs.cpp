// Boxes and dialogs of the table panels.

#include "app/PanelDialogs.h"

#include "app/FormDialog.h"
#include "app/model/AbstractMeal.h"
#include "awt/JovOptionPane.h"
#include "lang/JovException.h"
#include "text/JovMessageFormat.h"

JovString PanelDialogs::aboutItem(const char* pattern, const AbstractMeal& item) {
    const JovString arguments[] = {item.getName(), JovString::valueOf(item.getId())};
    return JovMessageFormat::format(pattern, arguments, 2);
}

bool PanelDialogs::confirm(JovComponent* parent, const JovString& text, const char* title) {
    return JovOptionPane::show(parent, text, title, JovOptionPane::QUESTION_MESSAGE) ==
           JovOptionPane::YES_OPTION;
}

void PanelDialogs::inform(JovComponent* parent, const JovString& text, const char* title) {
    JovOptionPane::show(parent, text, title, JovOptionPane::INFORMATION_MESSAGE);
}

void PanelDialogs::showDatabaseError(JovComponent* parent, const JovException& exception) {
    JovOptionPane::show(parent, exception.getMessage(), databaseErrorTitle,
                        JovOptionPane::ERROR_MESSAGE);
}

bool PanelDialogs::confirmed(FormDialog* dialog) {
    dialog->show();
    const bool result = dialog->isConfirmed();
    dialog->dispose();
    return result;
}
