// The native window of a top-level window: an overlapped window, owned by its owner's window so
// that it stays above it. Its bounds are screen coordinates.
#pragma once

#include "awt/windows/JovContainerPeer.h"

class JovWindow;

class JovWindowPeer : public JovContainerPeer {
public:
    explicit JovWindowPeer(JovWindow* window);

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    WindowHandle parentWindow() const override;
    JovRectangle windowBounds(int x, int y, int width, int height) const override;

    JovWindow* getWindowComponent() const { return windowComponent; }

private:
    JovWindow* windowComponent;
};
