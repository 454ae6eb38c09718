// The native window of a container: a plain library child window that holds the windows of its
// children.
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovContainer;

class JovContainerPeer : public JovComponentPeer {
public:
    explicit JovContainerPeer(JovContainer* container);

    JovString toString() const override;
};
