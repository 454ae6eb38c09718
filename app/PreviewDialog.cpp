// The preview dialog and its label view.

#include "app/PreviewDialog.h"

#include "app/GageView.h"
#include "awt/JovFrame.h"
#include "awt/JovSystemColor.h"
#include "awt/JovToggleButton.h"
#include "awt/event/JovWindowEvent.h"

PreviewDialog::PreviewDialog(JovFrame* owner, JovToggleButton* toggle)
    : JovDialog(owner, TITLE, false), gageView(new GageView()), toggle(toggle) {
    // The platform's menu colour lies around the label picture.
    gageView->setBackground(JovSystemColor(JovSystemColor::menu));
    add(gageView);
}

void PreviewDialog::processWindowEvent(JovWindowEvent& event) {
    if (event.getID() == JovWindowEvent::WINDOW_CLOSING && toggle != nullptr) {
        toggle->setSelected(false);
    }
    JovDialog::processWindowEvent(event);
}

JovString PreviewDialog::toString() const {
    return "tarvelund.main.PreviewDialog";
}
