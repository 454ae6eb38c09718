// The table of component classes and their peers.

#include "awt/windows/JovPeerFactory.h"

#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovChoice.h"
#include "awt/JovComboBox.h"
#include "awt/JovComponent.h"
#include "awt/JovContainer.h"
#include "awt/JovDialog.h"
#include "awt/JovFrame.h"
#include "awt/JovLabel.h"
#include "awt/JovOptionPane.h"
#include "awt/JovPanel.h"
#include "awt/JovRadioButton.h"
#include "awt/JovScrollBar.h"
#include "awt/JovTable.h"
#include "awt/JovTextArea.h"
#include "awt/JovTextField.h"
#include "awt/JovToggleButton.h"
#include "awt/JovTree.h"
#include "awt/JovWindow.h"
#include "awt/Spinner.h"
#include "awt/TabbedPane.h"
#include "awt/windows/JovButtonPeer.h"
#include "awt/windows/JovCheckBoxPeer.h"
#include "awt/windows/JovChoicePeer.h"
#include "awt/windows/JovComboBoxPeer.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovContainerPeer.h"
#include "awt/windows/JovDialogPeer.h"
#include "awt/windows/JovFramePeer.h"
#include "awt/windows/JovLabelPeer.h"
#include "awt/windows/JovOptionPanePeer.h"
#include "awt/windows/JovPanelPeer.h"
#include "awt/windows/JovRadioButtonPeer.h"
#include "awt/windows/JovScrollBarPeer.h"
#include "awt/windows/JovTablePeer.h"
#include "awt/windows/JovTextAreaPeer.h"
#include "awt/windows/JovTextFieldPeer.h"
#include "awt/windows/JovToggleButtonPeer.h"
#include "awt/windows/JovTreePeer.h"
#include "awt/windows/JovWindowPeer.h"
#include "awt/windows/SpinnerPeer.h"
#include "awt/windows/TabbedPanePeer.h"

namespace {

struct PeerRow {
    bool (*matches)(JovComponent* component);
    JovComponentPeer* (*make)(JovComponent* component);
};

template <typename Component> bool isA(JovComponent* component) {
    return dynamic_cast<Component*>(component) != nullptr;
}

template <typename Component, typename Peer> JovComponentPeer* make(JovComponent* component) {
    return new Peer(static_cast<Component*>(component));
}

template <typename Component, typename Peer> constexpr PeerRow row() {
    return PeerRow{&isA<Component>, &make<Component, Peer>};
}

// Most derived classes first.
constexpr PeerRow peerRows[] = {
    row<JovFrame, JovFramePeer>(),
    row<JovDialog, JovDialogPeer>(),
    row<JovWindow, JovWindowPeer>(),
    row<JovPanel, JovPanelPeer>(),
    row<TabbedPane, TabbedPanePeer>(),
    row<JovTable, JovTablePeer>(),
    row<JovTree, JovTreePeer>(),
    row<Spinner, SpinnerPeer>(),
    row<JovContainer, JovContainerPeer>(),
    // Widgets: toggle buttons before buttons, combo boxes before choices.
    row<JovRadioButton, JovRadioButtonPeer>(),
    row<JovCheckBox, JovCheckBoxPeer>(),
    row<JovToggleButton, JovToggleButtonPeer>(),
    row<JovButton, JovButtonPeer>(),
    row<JovLabel, JovLabelPeer>(),
    row<JovTextArea, JovTextAreaPeer>(),
    row<JovTextField, JovTextFieldPeer>(),
    row<JovComboBox, JovComboBoxPeer>(),
    row<JovChoice, JovChoicePeer>(),
    row<JovScrollBar, JovScrollBarPeer>(),
    row<JovOptionPane, JovOptionPanePeer>(),
    row<JovComponent, JovComponentPeer>(),
};

} // namespace

JovComponentPeer* JovPeerFactory::createPeer(JovComponent* component) {
    if (component == nullptr) {
        return nullptr;
    }
    for (const PeerRow& peerRow : peerRows) {
        if (!peerRow.matches(component)) {
            continue;
        }
        JovComponentPeer* peer = peerRow.make(component);
        if (!peer->create()) {
            delete peer;
            return nullptr;
        }
        peer->addRef();
        return peer;
    }
    return nullptr;
}
