// The menu bar of a frame: its menus shown in the frame's native menu, and the accelerators of
// their items, which it hears as a key listener of the frame.
#pragma once

#include "awt/JovAbstractButton.h"
#include "awt/event/JovKeyListener.h"
#include "util/JovVector.h"

class JovFrame;
class JovMenu;
class JovMenuItem;

class JovMenuBar : public JovAbstractButton, public JovKeyListener {
public:
    JovMenuBar() = default;
    ~JovMenuBar() override;

    // Takes a counted reference; answers menu.
    JovMenu* add(JovMenu* menu);
    int getMenuCount() const { return menus.size(); }
    // The menu at index, or null.
    JovMenu* getMenu(int index) const;
    // The enabled item, anywhere in the menus, whose accelerator is the key of event; or null.
    JovMenuItem* itemForKey(const JovKeyEvent& event) const;

    // Shows the menus as frame's native menu; the frame peer calls it when its window exists.
    void installIn(JovFrame* frame);
    // Takes the menus off the frame they were installed in, if any.
    void uninstall();

    void keyPressed(JovKeyEvent& event) override;
    void keyReleased(JovKeyEvent&) override {}
    void keyTyped(JovKeyEvent&) override {}

    JovString toString() const override;

private:
    JovVector menus;
    JovFrame* installedFrame = nullptr;
};
