// Dialogs: title, the modal loop around show, and the standard closing behaviour.

#include "awt/JovDialog.h"

#include "awt/JovBorderLayout.h"
#include "awt/JovSystemColor.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovDialogPeer.h"

namespace {

// Dialog contents keep this distance between the rows and between the columns.
constexpr int dialogGap = 8;

} // namespace

JovDialog::JovDialog(JovWindow* owner, const JovString& title, bool modal)
    : JovWindow(owner), title(title), modal(modal), focusTarget(nullptr) {
    setLayout(new JovBorderLayout(dialogGap, dialogGap));
    setBackground(JovSystemColor(JovSystemColor::control));
}

JovDialog::~JovDialog() {
    setFocusTarget(nullptr);
}

void JovDialog::setTitle(const JovString& newTitle) {
    title = newTitle;
    if (getPeer() != nullptr) {
        getPeer()->setText(newTitle);
    }
}

void JovDialog::setFocusTarget(JovComponent* component) {
    if (component == focusTarget) {
        return;
    }
    if (component != nullptr) {
        component->addRef();
    }
    JovComponent* old = focusTarget;
    focusTarget = component;
    if (old != nullptr) {
        old->release();
    }
}

void JovDialog::show() {
    JovWindow::show();
    auto* dialogPeer = dynamic_cast<JovDialogPeer*>(getPeer());
    if (modal && dialogPeer != nullptr) {
        dialogPeer->runModalLoop();
    }
    if (focusTarget != nullptr) {
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
    auto* dialogPeer = dynamic_cast<JovDialogPeer*>(getPeer());
    if (dialogPeer != nullptr) {
        dialogPeer->endModalLoop();
    }
}

void JovDialog::processWindowEvent(JovWindowEvent& event) {
    if (event.getID() == JovWindowEvent::WINDOW_CLOSING) {
        hide();
    }
}

JovString JovDialog::toString() const {
    return "ool.awt.JovDialog";
}
