// Modal dialogs: the owner disabled while the dialog's loop runs, and disposing from the close
// handler.
#include "awt/JovDialog.h"
#include "WidgetTest.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovMToolkit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr UINT soon = 50;

// Runs a step once on the UI thread from inside whatever message loop is running then.
std::function<void()> pendingStep;

void CALLBACK runStep(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    std::function<void()> step = std::move(pendingStep);
    step();
}

void later(std::function<void()> step) {
    pendingStep = std::move(step);
    SetTimer(nullptr, 0, soon, &runStep);
}

class DisposingDialog : public JovDialog {
public:
    DisposingDialog(JovWindow* owner, bool& deleted)
        : JovDialog(owner, "", true), deleted(deleted) {}
    ~DisposingDialog() override { deleted = true; }
    void processWindowEvent(JovWindowEvent& event) override {
        if (event.getID() == JovWindowEvent::WINDOW_CLOSING) {
            dispose();
        }
    }

private:
    bool& deleted;
};

} // namespace

// The widget frame owns the dialogs.
class JovDialogTest : public WidgetTest {
protected:
    JovDialog* modalDialog(const char* title) {
        auto* dialog = new JovDialog(frame, title, true);
        dialog->setBounds(100, 100, 250, 150);
        return dialog;
    }
    static void close(const JovDialog* dialog) { SendMessageA(windowOf(dialog), WM_CLOSE, 0, 0); }
};

TEST_F(JovDialogTest, AModalDialogDisablesItsOwnerUntilItIsClosed) {
    JovDialog* dialog = modalDialog("Frage...");
    bool ownerEnabledInLoop = true;
    bool dialogEnabledInLoop = false;
    int depthInLoop = 0;
    later([&] {
        ownerEnabledInLoop = IsWindowEnabled(windowOf(frame));
        dialogEnabledInLoop = IsWindowEnabled(windowOf(dialog));
        depthInLoop = toolkit().getModalDepth();
        close(dialog);
    });
    dialog->show();
    EXPECT_FALSE(ownerEnabledInLoop);
    EXPECT_TRUE(dialogEnabledInLoop);
    EXPECT_EQ(depthInLoop, 1);
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
    EXPECT_EQ(toolkit().getModalDepth(), 0);
    // The standard closing behaviour hides the dialog; it stays for another showing.
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(IsWindowVisible(windowOf(dialog)));
    dialog->dispose();
}

TEST_F(JovDialogTest, ADialogDisposedFromItsCloseHandlerEndsItsLoopAndIsDeletedAfterwards) {
    bool deleted = false;
    auto* dialog = new DisposingDialog(frame, deleted);
    dialog->setBounds(100, 100, 250, 150);
    later([&] { close(dialog); });
    dialog->show();
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(pumpUntil([&] { return deleted; }));
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
}
