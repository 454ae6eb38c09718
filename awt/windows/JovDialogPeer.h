// The native window of a dialog, and the nested modal loops: while a modal dialog's loop runs,
// the windows it may not share the input with are disabled.
#pragma once

#include "awt/windows/JovWindowPeer.h"

class JovDialog;

class JovDialogPeer : public JovWindowPeer {
public:
    // The mark of a dialog that no modal loop disabled.
    static constexpr int NOT_DISABLED = -1;

    explicit JovDialogPeer(JovDialog* dialog);

    // Returns when endModalLoop was called; UI thread only.
    void runModalLoop();
    // From any thread.
    void endModalLoop();
    bool isModalLoopRunning() const { return modalLoopRunning; }
    int getDisabledAtDepth() const { return disabledAtDepth; }
    void setDisabledAtDepth(int depth) { disabledAtDepth = depth; }

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    unsigned long windowExStyle() const override;
    JovString windowTitle() const override;

private:
    void pumpUntilEnded();

    JovDialog* dialog;
    int disabledAtDepth;
    volatile bool modalLoopRunning;
};
