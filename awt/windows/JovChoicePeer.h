// The native drop-down list of a JovChoice. Its window is taller than the component by the
// dropped list; a selection change comes back as "selectionChanged".
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovChoice;

class JovChoicePeer : public JovComponentPeer {
public:
    // The height of the list below the field while it is dropped down.
    static constexpr int DROPPED_LIST_HEIGHT = 200;

    explicit JovChoicePeer(JovChoice* choice);

    void addItem(const JovString& item);
    void removeItem(int index);
    void removeAll();
    // -1 selects nothing.
    void select(int index);
    int getSelectedIndex() const;

    // The widest item and the arrow, one line high.
    JovDimension getPreferredSize() override;
    // CBN_SELCHANGE: the choice takes the control's new index.
    void handleCommand(int notificationCode) override;
    // A drop-down list keeps Tab and only says so.
    bool handleTab(int modifiers) override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    JovRectangle windowBounds(int x, int y, int width, int height) const override;
    void initialize() override;

    JovChoice* getChoice() const { return choice; }

private:
    JovChoice* choice;
};
