// The table of component classes and their peers.

#include "awt/windows/JovPeerFactory.h"

#include "awt/JovComponent.h"
#include "awt/JovContainer.h"
#include "awt/JovDialog.h"
#include "awt/JovFrame.h"
#include "awt/JovPanel.h"
#include "awt/JovWindow.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovContainerPeer.h"
#include "awt/windows/JovDialogPeer.h"
#include "awt/windows/JovFramePeer.h"
#include "awt/windows/JovPanelPeer.h"
#include "awt/windows/JovWindowPeer.h"

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
    row<JovFrame, JovFramePeer>(),         row<JovDialog, JovDialogPeer>(),
    row<JovWindow, JovWindowPeer>(),       row<JovPanel, JovPanelPeer>(),
    row<JovContainer, JovContainerPeer>(), row<JovComponent, JovComponentPeer>(),
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
