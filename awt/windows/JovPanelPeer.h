// The native window of a panel: a plain library child window that holds the windows of its
// children.
#pragma once

#include "awt/windows/JovContainerPeer.h"

class JovPanel;

class JovPanelPeer : public JovContainerPeer {
public:
    explicit JovPanelPeer(JovPanel* panel);

    JovString toString() const override;
};
