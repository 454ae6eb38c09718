// A top-level window: registered with the process-wide root container while shown, removed and
// deleted by a "ShutdownSequence" thread once disposed; moves the focus on Tab and Shift+Tab.
#pragma once

#include "awt/JovContainer.h"
#include "util/JovVector.h"

class JovKeyEvent;
class JovWindowEvent;

class JovWindow : public JovContainer {
public:
    // Moves the focus through the window's components in depth-first order.
    class FocusManager : public JovObject {
    public:
        explicit FocusManager(JovWindow* window) : window(window) {}
        FocusManager(const FocusManager&) = delete;
        FocusManager& operator=(const FocusManager&) = delete;

        // On Tab pressed: focuses the next component after the focus owner (the previous one with
        // Shift) that is visible, enabled and focusable, and consumes the event when one did.
        void processKeyEvent(JovKeyEvent& event);

        JovString toString() const override;

    private:
        JovWindow* window;
    };

    class JovRootPane;

    JovWindow();
    // The window is owned by owner (which may be null): it holds a reference until the window is
    // disposed, and the native window stays above the owner's. The content is laid out by a
    // border layout without gaps.
    explicit JovWindow(JovWindow* owner);
    ~JovWindow() override;

    // Creates the peer when there is none, lays the window out and registers it as a top-level
    // window before showing it.
    void show() override;
    // Hands the window to its container for removal; a registered window is deleted shortly after,
    // once nothing else holds it, and the message loop ends when it was the last one. Disposing
    // twice is harmless.
    virtual void dispose();
    // Makes the window displayable and gives it its preferred size.
    void pack();
    void toFront();
    JovWindow* getOwner() const { return owner; }
    // Centres the window on component's window, or on the screen when component is null.
    void setLocationRelativeTo(JovComponent* component);

    // Tab traversal first, then the normal dispatch.
    void dispatchEvent(JovAWTEvent& event) override;
    void processEvent(JovAWTEvent& event) override;
    // The window-event hook; a plain window ignores the events, even the close request.
    virtual void processWindowEvent(JovWindowEvent& event);

    FocusManager& getFocusManager() { return focusManager; }

    // The process-wide container of the shown top-level windows, created on first use.
    static JovContainer* getRootPane();

    JovString toString() const override;

private:
    void forgetOwnedWindow(JovWindow* window);

    FocusManager focusManager;
    JovVector ownedWindows;
    JovWindow* owner;
};
