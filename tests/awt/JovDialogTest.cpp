// Modal dialogs: the owner disabled while the dialog's loop runs, nested dialogs, quit requests
// surviving the modal loop, and closing by hiding.
#include "awt/JovDialog.h"
#include "WidgetTest.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovDialogPeer.h"
#include "awt/windows/JovMToolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

constexpr UINT soon = 50;

// Runs a step once on the UI thread from inside whatever message loop is running then.
std::function<void()> pendingSteps[4];

template <int slot> void CALLBACK runStep(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    std::function<void()> step = std::move(pendingSteps[slot]);
    step();
}

template <int slot> void later(std::function<void()> step) {
    pendingSteps[slot] = std::move(step);
    SetTimer(nullptr, 0, soon, &runStep<slot>);
}

JovDialogPeer* dialogPeer(const JovDialog* dialog) {
    return dynamic_cast<JovDialogPeer*>(dialog->getPeer());
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
    JovDialog* modalDialog(const char* title, int offset) {
        auto* dialog = new JovDialog(frame, title, true);
        dialog->setBounds(100 + offset, 100 + offset, 250, 150);
        return dialog;
    }
    static void close(const JovDialog* dialog) { SendMessageA(windowOf(dialog), WM_CLOSE, 0, 0); }
};

TEST_F(JovDialogTest, AModalDialogDisablesItsOwnerUntilItIsClosed) {
    JovDialog* dialog = modalDialog("Frage...", 0);
    bool ownerEnabledInLoop = true;
    bool dialogEnabledInLoop = false;
    int depthInLoop = 0;
    later<0>([&] {
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

TEST_F(JovDialogTest, ANestedModalDialogDisablesTheFirstAndGivesTheFocusBack) {
    JovDialog* first = modalDialog("Erster...", 0);
    JovDialog* second = modalDialog("Zweiter...", 40);
    bool firstEnabledDuringSecond = true;
    bool ownerEnabledDuringSecond = true;
    int firstMarkDuringSecond = JovDialogPeer::NOT_DISABLED;
    int depthDuringSecond = 0;
    bool firstEnabledAfterSecond = false;
    int firstMarkAfterSecond = 0;
    bool firstFocusedAfterSecond = false;
    bool ownerEnabledAfterSecond = true;
    later<0>([&] {
        later<1>([&] {
            firstEnabledDuringSecond = IsWindowEnabled(windowOf(first));
            ownerEnabledDuringSecond = IsWindowEnabled(windowOf(frame));
            firstMarkDuringSecond = dialogPeer(first)->getDisabledAtDepth();
            depthDuringSecond = toolkit().getModalDepth();
            close(second);
        });
        second->show();
        firstEnabledAfterSecond = IsWindowEnabled(windowOf(first));
        firstMarkAfterSecond = dialogPeer(first)->getDisabledAtDepth();
        firstFocusedAfterSecond = GetFocus() == windowOf(first);
        ownerEnabledAfterSecond = IsWindowEnabled(windowOf(frame));
        close(first);
    });
    first->show();
    EXPECT_FALSE(firstEnabledDuringSecond);
    EXPECT_FALSE(ownerEnabledDuringSecond);
    EXPECT_EQ(firstMarkDuringSecond, 1);
    EXPECT_EQ(depthDuringSecond, 2);
    EXPECT_TRUE(firstEnabledAfterSecond);
    EXPECT_EQ(firstMarkAfterSecond, JovDialogPeer::NOT_DISABLED);
    EXPECT_TRUE(firstFocusedAfterSecond);
    EXPECT_FALSE(ownerEnabledAfterSecond);
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
    EXPECT_EQ(toolkit().getModalDepth(), 0);
    first->dispose();
    second->dispose();
}

TEST_F(JovDialogTest, ADialogDisposedFromItsCloseHandlerEndsItsLoopAndIsDeletedAfterwards) {
    bool deleted = false;
    auto* dialog = new DisposingDialog(frame, deleted);
    dialog->setBounds(100, 100, 250, 150);
    later<0>([&] { close(dialog); });
    dialog->show();
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(pumpUntil([&] { return deleted; }));
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
}

TEST_F(JovDialogTest, AQuitRequestDoesNotEndTheModalLoopButReachesTheMainLoopAfterwards) {
    JovDialog* dialog = modalDialog("Frage...", 0);
    bool loopRanOnAfterQuit = false;
    later<0>([&] {
        toolkit().quit(7);
        later<1>([&] {
            loopRanOnAfterQuit = toolkit().getModalDepth() == 1;
            close(dialog);
        });
    });
    dialog->show();
    EXPECT_TRUE(loopRanOnAfterQuit);
    EXPECT_TRUE(pumpUntil([] { return seenQuitCode == 7; }));
    dialog->dispose();
}

TEST_F(JovDialogTest, HidingFromAnotherThreadEndsTheModalLoop) {
    JovDialog* dialog = modalDialog("Frage...", 0);
    std::thread closer([dialog] {
        Sleep(100);
        dialog->hide();
    });
    dialog->show();
    closer.join();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(toolkit().getModalDepth(), 0);
    dialog->dispose();
}

TEST_F(JovDialogTest, TheFocusTargetGetsTheFocusWhenTheModalShowReturns) {
    auto* target = new JovComponent;
    target->setBounds(10, 10, 50, 20);
    frame->add(target);
    JovDialog* dialog = modalDialog("Frage...", 0);
    dialog->setFocusTarget(target);
    later<0>([&] { close(dialog); });
    dialog->show();
    EXPECT_EQ(GetFocus(), windowOf(target));
    dialog->dispose();
}
