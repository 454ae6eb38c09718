// Chooses the peer class for a component by the component's run-time class and creates it. The
// rows are tried in order and the first class the component belongs to wins, so more derived
// classes come first; widget peers are added as rows of the same table.
#pragma once

class JovComponent;
class JovComponentPeer;

class JovPeerFactory {
public:
    JovPeerFactory() = delete;

    // A peer whose native window exists, holding one reference for the component; null when the
    // window system refused the window. UI thread only.
    static JovComponentPeer* createPeer(JovComponent* component);
};
