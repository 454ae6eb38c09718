// The native side of a component: one native window, created and destroyed on the UI thread, that
// mirrors the component's state and turns the window's messages into the library's events. Peers
// of other window kinds derive from it and say which window class and styles they need.
#pragma once

#include "awt/JovColor.h"
#include "awt/JovDimension.h"
#include "awt/JovFont.h"
#include "awt/JovGraphics.h"
#include "awt/JovInsets.h"
#include "awt/JovRectangle.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <cstdint>

// The platform's handle types, declared as the platform headers declare them.
struct HWND__;
struct HDC__;

class JovAWTEvent;
class JovComponent;

class JovComponentPeer : public JovObject {
public:
    using WindowHandle = HWND__*;
    using DeviceContext = HDC__*;

    // The graphics handed to the component while its window paints: bound to the paint device
    // context, with the component's font and colours, and shifted so that component coordinates
    // (which include a frame's borders and title bar) land on the client area.
    class JovComponentPeerGraphics : public JovGraphics {
    public:
        explicit JovComponentPeerGraphics(JovComponentPeer* peer) : peer(peer) {}

        void begin(DeviceContext context);
        void end();

        JovString toString() const override;

    private:
        JovComponentPeer* peer;
    };

    // The Win32 colour value of white, the background of a window whose component has none.
    static constexpr unsigned long WHITE = 0xFFFFFF;

    explicit JovComponentPeer(JovComponent* component);
    JovComponentPeer(const JovComponentPeer&) = delete;
    JovComponentPeer& operator=(const JovComponentPeer&) = delete;
    ~JovComponentPeer() override;

    // Creates the native window and registers the peer; UI thread only. False when the window
    // system refused the window.
    bool create();
    // Unregisters the peer and destroys its native window; UI thread only.
    void destroy();
    // The window was destroyed by someone else (with its parent or owner): forget it.
    void windowLost();

    JovComponent* getComponent() const { return component; }
    WindowHandle getWindow() const { return window; }
    bool isCreated() const { return created; }

    virtual void setBounds(int x, int y, int width, int height);
    virtual void setVisible(bool visible);
    // The component's current size; controls measure their content instead.
    virtual JovDimension getPreferredSize();
    // The window frame around the client area: title bar, menu bar and borders.
    JovInsets getInsets() const { return insets; }
    // Paints the component on context (a paint or owner-draw device context).
    virtual void paint(DeviceContext context);
    virtual void setText(const JovString& text);
    virtual JovString getText() const;
    virtual void setFont(const JovFont& font);
    virtual void setForeground(const JovColor& color);
    virtual void setBackground(const JovColor& color);
    virtual void setEnabled(bool enabled);
    virtual void setToolTipText(const JovString& text);
    virtual void requestFocus();
    virtual void repaint();
    virtual void toFront();

    // Mouse messages of the window, at positions in component coordinates.
    virtual void handleMousePress(int x, int y, int clickCount, int modifiers);
    // Marks this window as the one under the mouse (exited and entered events on a change), then
    // reports the move, or the drag while a button is down.
    virtual void handleMouseMove(int x, int y, int modifiers, bool buttonDown);
    // screenX, screenY: where the menu belongs; (0, -1) when it was asked for by keyboard.
    virtual void handleContextMenu(int screenX, int screenY);
    // Tells the component's focus listeners; the toolkit calls it once per change of owner.
    virtual void handleFocus(bool gained);
    // Tab pressed in the window; true when the key is taken (a text area keeps it).
    virtual bool handleTab(int modifiers);
    // A WM_COMMAND notification code of the control other than a click or a text change.
    virtual void handleCommand(int notificationCode);
    // A WM_NOTIFY notification; header points to the message's NMHDR.
    virtual std::intptr_t handleNotify(int code, void* header);
    // A message to a system control that asked to show its messages to its peer; passes it on to
    // the control's own procedure.
    virtual std::intptr_t handleControlMessage(WindowHandle control, unsigned int message,
                                               std::uintptr_t wParam, std::intptr_t lParam);
    // A scroll bar notification: the request code and the thumb position.
    virtual void handleScroll(int request, int thumbPosition);
    // A menu command chosen in this window's menus: the menu item with that command id acts.
    virtual void handleMenuCommand(int commandId);
    // WM_CTLCOLORSTATIC or WM_CTLCOLOREDIT for this control: sets the colours on context and
    // answers the background brush, or 0 for the system's colours.
    virtual std::intptr_t handleControlColor(DeviceContext context);
    // Events of groups the component does not handle itself.
    virtual void handleEvent(JovAWTEvent& event);
    // What the peer put off until the message it was handling was done (postDeferredWork).
    virtual void runDeferredWork();

    // WM_ERASEBKGND: a component with an opaque background paints it itself.
    void eraseBackground(DeviceContext context);
    // WM_WINDOWPOSCHANGED: stores the window's new place in the component, and lays the component
    // out again when its size changed.
    void windowMoved();
    // The client position x, y as a position in the component.
    void toComponent(int& x, int& y) const;

    // Sends a mouse event to the component of window, when window still has a peer: a listener
    // may have removed any component, so every delivery looks its target up again.
    static void deliverMouseEvent(WindowHandle window, int id, int x, int y, int clickCount,
                                  int modifiers, bool popupTrigger);
    // The component marked as under the mouse gets mouse exited, and the mark is cleared.
    static void exitWindowUnderMouse();

    JovString toString() const override;

protected:
    // What the native window is made of.
    virtual const char* windowClass() const;
    virtual unsigned long windowStyle() const;
    virtual unsigned long windowExStyle() const;
    virtual JovString windowTitle() const;
    virtual WindowHandle parentWindow() const;
    // The window's rectangle in its parent's client area (or on the screen).
    virtual JovRectangle windowBounds(int x, int y, int width, int height) const;
    // Copies the component's state into the new window.
    virtual void initialize();
    // WS_VISIBLE when the component is visible.
    unsigned long visibleStyle() const;
    void updateInsets();
    // The peer of the parent component, or null.
    JovComponentPeer* parentPeer() const;
    // runDeferredWork follows once the current message is handled, unless the window is gone.
    void postDeferredWork() const;

private:
    void registerToolTip();
    void removeToolTip();
    unsigned long inheritedBackground() const;

    bool created;
    JovComponent* component;
    WindowHandle window;
    DeviceContext paintContext;
    JovInsets insets;
    unsigned long backgroundColor;
    JovComponentPeerGraphics graphics;
};
