#include "awt/JovOptionPane.h"

#include "awt/JovToolkit.h"
#include "awt/windows/JovOptionPanePeer.h"
#include "lang/JovReference.h"

JovOptionPane::JovOptionPane(const JovString& message, const JovString& title, int messageType,
                             JovComponent* parent)
    : message(message), title(title), messageType(messageType), parentComponent(parent) {
    setVisibleFlag(false);
}

int JovOptionPane::show(JovComponent* parent, const JovObject& message, const JovString& title,
                        int type) {
    const JovReference<JovOptionPane> pane(
        new JovOptionPane(message.toString(), title, type, parent));
    return pane->ask();
}

int JovOptionPane::ask() {
    if (JovToolkit::getDefaultToolkit() == nullptr) {
        return JovOptionPanePeer::showBox(nullptr, message, title, messageType);
    }
    addNotify();
    auto* peer = getPeerAs<JovOptionPanePeer>();
    if (peer == nullptr) {
        return CLOSED_OPTION;
    }
    const int answer = peer->showBox();
    removeNotify();
    return answer;
}

JovString JovOptionPane::toString() const {
    return JovString("ool.awt.JovOptionPane[,text=") + message + "]";
}
