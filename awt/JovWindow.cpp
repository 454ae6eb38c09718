// Top-level windows: registration with the root container, deferred removal of disposed windows,
// owned windows and the Tab traversal of the focus.

#include "awt/JovWindow.h"

#include "awt/JovBorderLayout.h"
#include "awt/JovToolkit.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovThread.h"
#include "lang/JovReference.h"
#include "lang/JovSynchronized.h"

#include <vector>

// Holds every shown top-level window. Removing a window does not happen at once: a thread named
// "ShutdownSequence" removes it, so that a window may dispose itself from its own event handler.
class JovWindow::JovRootPane : public JovContainer {
public:
    using JovContainer::remove;
    void remove(JovComponent* component) override;

    JovString toString() const override { return "ool.awt.JovWindow.JovRootPane"; }

private:
    class ShutdownSequence : public JovThread {
    public:
        ShutdownSequence(JovRootPane* root, JovComponent* window)
            : JovThread("ShutdownSequence"), root(root), window(window) {}

        void run() override { root->retire(window); }

    private:
        JovRootPane* root;
        JovComponent* window;
    };

    // Removes window for good and ends the message loop when it was the last one.
    void retire(JovComponent* window);

    // Windows waiting for their removal; the list's reference keeps each alive until then.
    JovVector pending;
    // Removals not yet finished, deleting the window included; guarded by pending's lock.
    int retiring = 0;
};

void JovWindow::JovRootPane::remove(JovComponent* component) {
    if (component == nullptr || component->getParent() != this) {
        return;
    }
    {
        JovSynchronized guard(&pending);
        if (pending.indexOf(component) >= 0) {
            return;
        }
        pending.addElement(component);
        ++retiring;
    }
    // The thread holds itself through the running-thread list and ends by deleting itself.
    (new ShutdownSequence(this, component))->start();
}

void JovWindow::JovRootPane::retire(JovComponent* window) {
    JovContainer::remove(window);
    {
        // Released outside the list's lock: the window's destructor may dispose further windows.
        const JovReference<JovComponent> held(window);
        JovSynchronized guard(&pending);
        pending.removeElement(window);
    }
    {
        // The loop ends only once no other window is still being taken apart: its destructor may
        // yet need the UI thread.
        JovSynchronized guard(&pending);
        if (--retiring > 0 || getComponentCount() > 0) {
            return;
        }
    }
    JovToolkit* toolkit = JovToolkit::getDefaultToolkit();
    if (toolkit != nullptr) {
        toolkit->quit(0);
    }
}

namespace {

void collectTraversalOrder(JovComponent* component, bool backwards,
                           std::vector<JovComponent*>& order) {
    order.push_back(component);
    auto* container = dynamic_cast<JovContainer*>(component);
    if (container == nullptr) {
        return;
    }
    const int count = container->getComponentCount();
    for (int step = 0; step < count; ++step) {
        JovComponent* child = container->getComponent(backwards ? count - 1 - step : step);
        // A hidden container hides its whole subtree, so none of it can take the focus.
        if (child != nullptr && child->isVisible()) {
            collectTraversalOrder(child, backwards, order);
        }
    }
}

bool takesFocus(const JovComponent* component) {
    return component->isVisible() && component->isEnabled() && component->isFocusable();
}

int indexIn(const std::vector<JovComponent*>& order, const JovComponent* component) {
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        if (order[i] == component) {
            return i;
        }
    }
    return 0;
}

} // namespace

void JovWindow::FocusManager::processKeyEvent(JovKeyEvent& event) {
    if (event.getID() != JovKeyEvent::KEY_PRESSED || event.getKeyCode() != JovKeyEvent::KEY_TAB) {
        return;
    }
    std::vector<JovComponent*> order;
    collectTraversalOrder(window, event.isShiftDown(), order);
    const JovToolkit* toolkit = JovToolkit::getDefaultToolkit();
    // Without a known owner inside this window the search starts at the window itself.
    const int start = indexIn(order, toolkit != nullptr ? toolkit->getFocusOwner() : nullptr);
    const int count = static_cast<int>(order.size());
    for (int step = 1; step < count; ++step) {
        JovComponent* candidate = order[(start + step) % count];
        if (takesFocus(candidate)) {
            candidate->requestFocus();
            event.consume();
            return;
        }
    }
}

JovString JovWindow::FocusManager::toString() const {
    return "ool.awt.JovWindow.FocusManager";
}

JovWindow::JovWindow() : JovWindow(nullptr) {
}

JovWindow::JovWindow(JovWindow* owner) : focusManager(this), owner(owner) {
    setLayout(new JovBorderLayout());
    setVisibleFlag(false);
    if (owner != nullptr) {
        owner->ownedWindows.addElement(this);
    }
}

JovWindow::~JovWindow() {
    // Owned windows still shown outlive this one; they must not point back at it.
    for (int i = 0; i < ownedWindows.size(); ++i) {
        static_cast<JovWindow*>(ownedWindows.elementAt(i))->owner = nullptr;
    }
}

void JovWindow::show() {
    setVisibleFlag(true);
    if (!isDisplayable()) {
        addNotify();
    }
    if (getParent() == nullptr) {
        getRootPane()->add(this);
    }
    validate();
    if (getPeer() != nullptr) {
        getPeer()->setVisible(true);
    }
}

void JovWindow::dispose() {
    JovContainer* container = getParent();
    if (container == nullptr) {
        return;
    }
    // The container still holds this window, so leaving the owner's list cannot delete it.
    if (owner != nullptr) {
        owner->forgetOwnedWindow(this);
    }
    container->remove(this);
}

void JovWindow::forgetOwnedWindow(JovWindow* window) {
    window->owner = nullptr;
    ownedWindows.removeElement(window);
}

void JovWindow::pack() {
    if (!isDisplayable()) {
        addNotify();
    }
    setSize(getPreferredSize());
    // A window made at no size may report its frame (title bar, borders) only once it has a size:
    // measured again with the real frame.
    setSize(getPreferredSize());
    validate();
}

void JovWindow::toFront() {
    if (getPeer() != nullptr) {
        getPeer()->toFront();
    }
}

void JovWindow::setLocationRelativeTo(JovComponent* component) {
    JovComponent* top = component;
    while (top != nullptr && dynamic_cast<JovWindow*>(top) == nullptr) {
        top = top->getParent();
    }
    JovRectangle area;
    if (top != nullptr) {
        area = top->getBounds();
    } else {
        JovToolkit* toolkit = JovToolkit::getDefaultToolkit();
        if (toolkit == nullptr) {
            return;
        }
        const JovDimension screen = toolkit->getScreenSize();
        area = JovRectangle(0, 0, screen.width, screen.height);
    }
    setLocation(area.x + (area.width - getWidth()) / 2, area.y + (area.height - getHeight()) / 2);
}

void JovWindow::dispatchEvent(JovAWTEvent& event) {
    if (auto* keyEvent = dynamic_cast<JovKeyEvent*>(&event)) {
        focusManager.processKeyEvent(*keyEvent);
    }
    JovContainer::dispatchEvent(event);
}

void JovWindow::processEvent(JovAWTEvent& event) {
    if (!JovWindowEvent::isWindowEventId(event.getID())) {
        JovContainer::processEvent(event);
        return;
    }
    if (auto* windowEvent = dynamic_cast<JovWindowEvent*>(&event)) {
        processWindowEvent(*windowEvent);
    }
}

void JovWindow::processWindowEvent(JovWindowEvent&) {
}

JovContainer* JovWindow::getRootPane() {
    static JovRootPane* const root = [] {
        auto* created = new JovRootPane;
        created->addRef();
        return created;
    }();
    return root;
}

JovString JovWindow::toString() const {
    return "ool.awt.JovWindow";
}
