// The application's main window: a top-level window with title, menu bar, icon and a window state
// (normal, minimised, maximised) with the rectangle it returns to when restored.
#pragma once

#include "awt/JovWindow.h"
#include "lang/JovReference.h"

class JovFramePeer;

class JovFrame : public JovWindow {
public:
    static constexpr int NORMAL = 0;
    static constexpr int ICONIFIED = 1;
    static constexpr int MAXIMIZED_BOTH = 4;

    JovFrame();
    explicit JovFrame(const JovString& title);
    ~JovFrame() override;

    virtual void setTitle(const JovString& title);
    const JovString& getTitle() const { return title; }
    // A counted reference on the menu bar widget; the frame owns it from now on.
    void setMenuBar(JovComponent* menuBar);
    JovComponent* getMenuBar() const { return menuBar.get(); }
    // The name of the icon resource shown in the title bar and the task bar.
    void setIconName(const JovString& name);
    const JovString& getIconName() const { return iconName; }
    // NORMAL, ICONIFIED or MAXIMIZED_BOTH; other values count as NORMAL.
    void setExtendedState(int state);
    int getExtendedState() const;
    // Where the window goes when it is restored from minimised or maximised.
    void setNormalBounds(const JovRectangle& bounds);
    JovRectangle getNormalBounds() const;

    // Installs the menu bar once the native window is the frame's: the menu peer finds the
    // window through the frame, and the children are laid out below the bar.
    void addNotify() override;

    JovString toString() const override;

private:
    JovFramePeer* framePeer() const;

    JovString title;
    JovReference<JovComponent> menuBar;
    JovString iconName;
    int state;
    JovRectangle normalBounds;
};
