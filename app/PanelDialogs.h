// The message boxes and modal dialogs the table panels and the composition tree open: item
// messages filled with name and article number, confirmations, and the one box for a refused
// database write.
#pragma once

#include "lang/JovException.h"
#include "lang/JovString.h"

class AbstractMeal;
class Connection;
class FormDialog;
class JovComponent;

class PanelDialogs {
public:
    static constexpr const char* databaseErrorTitle = "Datenbankfehler...";

    PanelDialogs() = delete;

    // pattern with {0} the item's name and {1} its article number.
    static JovString aboutItem(const char* pattern, const AbstractMeal& item);
    // A question box with Yes and No; true only for Yes.
    static bool confirm(JovComponent* parent, const JovString& text, const char* title);
    static void inform(JovComponent* parent, const JovString& text, const char* title);
    static void showDatabaseError(JovComponent* parent, const JovException& exception);
    // Shows the modal dialog, disposes it and answers whether it was confirmed.
    static bool confirmed(FormDialog* dialog);

    // Inserts the item's row or updates it; a refused write is shown and answered false.
    template <class Item>
    static bool stored(JovComponent* parent, const Item& item, bool isNew, Connection* connection) {
        try {
            if (isNew) {
                item.insert(connection);
            } else {
                item.update(connection);
            }
            return true;
        } catch (const JovException& exception) {
            showDatabaseError(parent, exception);
            return false;
        }
    }
};
