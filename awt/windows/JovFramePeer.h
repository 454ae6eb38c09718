// The native window of a frame: an overlapped window with the program icon, placed by the system
// unless the frame has bounds, and shown in the frame's window state.
#pragma once

#include "awt/windows/JovWindowPeer.h"

class JovFrame;

class JovFramePeer : public JovWindowPeer {
public:
    explicit JovFramePeer(JovFrame* frame);

    // Shows the window minimised, maximised or normal as the frame's state asks.
    void setVisible(bool visible) override;
    void setIcon(const JovString& resourceName);
    // A hidden window keeps the state for its next showing.
    void setState(int state);
    int getState() const;
    void setNormalBounds(const JovRectangle& bounds);
    JovRectangle getNormalBounds() const;

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    WindowHandle parentWindow() const override;
    JovRectangle windowBounds(int x, int y, int width, int height) const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    JovFrame* frame;
    int pendingState;
};
