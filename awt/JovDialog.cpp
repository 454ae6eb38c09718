// Dialogs: title, the modal loop around show, and the standard closing behaviour.

#include "awt/JovDialog.h"

#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovSystemColor.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovDialogPeer.h"

namespace {

// Dialog contents keep this distance between the rows and between the columns.
constexpr int dialogGap = 8;

} // namespace

JovDialog::JovDialog(JovWindow* owner, const JovString& title, bool modal)
    : JovWindow(owner), title(title), modal(modal) {
    setLayout(new JovBorderLayout(dialogGap, dialogGap));
    setBackground(JovSystemColor(JovSystemColor::control));
}

JovDialog::~JovDialog() {
    setDefaultButton(nullptr);
}

void JovDialog::setTitle(const JovString& newTitle) {
    title = newTitle;
    if (getPeer() != nullptr) {
        getPeer()->setText(newTitle);
    }
}

void JovDialog::setFocusTarget(JovComponent* component) {
    focusTarget.reset(component);
}

void JovDialog::setInitialFocus(JovComponent* component) {
    initialFocus.reset(component);
}

void JovDialog::setDefaultButton(JovButton* button) {
    if (defaultButton) {
        defaultButton->setDefault(false);
    }
    defaultButton.reset(button);
    if (button != nullptr) {
        button->setDefault(true);
    }
}

void JovDialog::setCancelButton(JovButton* button) {
    cancelButton.reset(button);
}

void JovDialog::show() {
    JovWindow::show();
    // After the window was activated, which focuses the dialog window itself.
    if (initialFocus) {
        initialFocus->requestFocus();
    }
    auto* dialogPeer = getPeerAs<JovDialogPeer>();
    if (modal && dialogPeer != nullptr) {
        dialogPeer->runModalLoop();
    }
    if (focusTarget) {
        focusTarget->requestFocus();
    }
}

void JovDialog::hide() {
    // Hiding sends the window a close request, which hides again: only the first call acts.
    if (!isVisible()) {
        return;
    }
    // Hidden first: from another thread the native hide needs the UI thread, whose modal loop
    // still runs until the loop is ended.
    JovWindow::hide();
    endModalLoop();
}

void JovDialog::dispose() {
    endModalLoop();
    JovWindow::dispose();
}

void JovDialog::endModalLoop() {
    auto* dialogPeer = getPeerAs<JovDialogPeer>();
    if (dialogPeer != nullptr) {
        dialogPeer->endModalLoop();
    }
}

void JovDialog::processWindowEvent(JovWindowEvent& event) {
    if (event.getID() == JovWindowEvent::WINDOW_CLOSING) {
        hide();
    }
}

void JovDialog::processKeyEvent(JovKeyEvent& event) {
    JovWindow::processKeyEvent(event);
    if (event.isConsumed() || event.getID() != JovKeyEvent::KEY_PRESSED) {
        return;
    }
    JovButton* button = buttonForKey(event.getKeyCode());
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) {
        return;
    }
    event.consume();
    button->doClick();
}

JovButton* JovDialog::buttonForKey(int keyCode) const {
    if (keyCode == JovKeyEvent::KEY_ENTER) {
        return defaultButton.get();
    }
    return keyCode == JovKeyEvent::KEY_ESCAPE ? cancelButton.get() : nullptr;
}

JovString JovDialog::toString() const {
    return "ool.awt.JovDialog";
}
