// The Win32 toolkit: start-up of the window classes and the toolkit's own windows, the peer
// registry, the message loop and the translation of key messages into the library's key events.

#include "awt/windows/JovMToolkit.h"

#include "awt/JovComponent.h"
#include "awt/JovContainer.h"
#include "awt/JovWindow.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovBmpReader.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovPeerFactory.h"
#include "awt/windows/JovWImage.h"
#include "awt/windows/JovWindowProcedure.h"
#include "lang/JovReference.h"
#include "lang/JovSynchronized.h"

#include <commctrl.h>

#include <ctime>
#include <memory>

namespace {

constexpr int unknownResolution = -1;
constexpr LPARAM repeatedKeyBit = 1 << 30;
constexpr int keyboardMenuX = 0;
constexpr int keyboardMenuY = -1;

JovMToolkit* theToolkit = nullptr;

void registerWindowClass(HINSTANCE instance, const char* name, HICON icon) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_PARENTDC;
    windowClass.lpfnWndProc = &JovWindowProcedure::handle;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

bool isKeyDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// A key event is offered to the components of the window only, never to other top-level windows.
bool offerToOtherChildren(JovContainer* container, const JovComponent* from, JovKeyEvent& event) {
    for (int i = 0; i < container->getComponentCount(); ++i) {
        JovComponent* child = container->getComponent(i);
        if (child == nullptr || child == from || !child->isVisible()) {
            continue;
        }
        child->dispatchEvent(event);
        if (event.isConsumed()) {
            return true;
        }
    }
    return false;
}

} // namespace

JovMToolkit::JovMToolkit(HINSTANCE instance)
    : toolkitWindow(nullptr), toolTip(nullptr), uiThreadId(GetCurrentThreadId()),
      instance(instance), messageLoopRequested(false), modalDepth(0), windowUnderMouse(nullptr),
      hoverTimerWindow(nullptr), instanceMutex(nullptr), focusWindow(nullptr) {
    InitCommonControls();
    toolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance, nullptr);
    registerWindowClass(instance, COMPONENT_CLASS, LoadIconA(instance, PROGRAM_ICON));
    registerWindowClass(instance, DIALOG_CLASS, nullptr);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    toolkitWindow =
        CreateWindowExA(0, COMPONENT_CLASS, "", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

JovMToolkit::~JovMToolkit() {
    if (toolkitWindow != nullptr) {
        DestroyWindow(toolkitWindow);
    }
    if (toolTip != nullptr) {
        DestroyWindow(toolTip);
    }
    if (instanceMutex != nullptr) {
        CloseHandle(instanceMutex);
    }
}

JovMToolkit* JovMToolkit::initialize(HINSTANCE instance) {
    if (theToolkit != nullptr) {
        return theToolkit;
    }
    theToolkit = new JovMToolkit(instance);
    theToolkit->addRef();
    setDefaultToolkit(theToolkit);
    return theToolkit;
}

JovMToolkit* JovMToolkit::getToolkit() {
    return theToolkit;
}

void JovMToolkit::shutdown() {
    if (theToolkit == nullptr) {
        return;
    }
    JovMToolkit* old = theToolkit;
    theToolkit = nullptr;
    setDefaultToolkit(nullptr);
    old->release();
}

int JovMToolkit::currentModifiers() {
    int modifiers = 0;
    if (isKeyDown(VK_SHIFT)) {
        modifiers |= JovKeyEvent::SHIFT_MASK;
    }
    if (isKeyDown(VK_MENU)) {
        modifiers |= JovKeyEvent::ALT_MASK;
    }
    if (isKeyDown(VK_CONTROL)) {
        modifiers |= JovKeyEvent::CTRL_MASK;
    }
    return modifiers;
}

JovDimension JovMToolkit::getScreenSize() const {
    return JovDimension(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

int JovMToolkit::getScreenResolution() const {
    return unknownResolution;
}

JovImage* JovMToolkit::getImage(const JovString& fileName) {
    JovSynchronized guard(this);
    return JovBmpReader::read(fileName);
}

void JovMToolkit::beep() {
    MessageBeep(MB_ICONASTERISK);
}

JovComponentPeer* JovMToolkit::createPeer(JovComponent* component) {
    if (component == nullptr) {
        return nullptr;
    }
    messageLoopRequested = true;
    return reinterpret_cast<JovComponentPeer*>(
        SendMessageA(toolkitWindow, CREATE_PEER_MESSAGE, 0, reinterpret_cast<LPARAM>(component)));
}

void JovMToolkit::destroyPeer(JovComponentPeer* peer) {
    if (peer != nullptr) {
        SendMessageA(toolkitWindow, DESTROY_PEER_MESSAGE, 0, reinterpret_cast<LPARAM>(peer));
    }
}

void JovMToolkit::quit(int exitCode) {
    PostThreadMessageA(uiThreadId, QUIT_MESSAGE, static_cast<WPARAM>(exitCode), 0);
}

void JovMToolkit::invokeLater(std::function<void()> work) {
    auto* queued = new std::function<void()>(std::move(work));
    if (!PostMessageA(toolkitWindow, INVOKE_LATER_MESSAGE, 0, reinterpret_cast<LPARAM>(queued))) {
        delete queued;
    }
}

bool JovMToolkit::isAlreadyRunning(const JovString& name) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.chars());
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (mutex == nullptr) {
        return existed;
    }
    // The first claim is kept for the life of the process; it is what later starts find.
    if (existed || instanceMutex != nullptr) {
        CloseHandle(mutex);
        return existed;
    }
    instanceMutex = mutex;
    return false;
}

JovComponent* JovMToolkit::getFocusOwner() const {
    const JovComponentPeer* peer = peerOwning(GetFocus());
    return peer != nullptr ? peer->getComponent() : nullptr;
}

JovComponentPeer* JovMToolkit::peerOwning(HWND window) const {
    for (; window != nullptr; window = GetParent(window)) {
        if (JovComponentPeer* peer = peerForWindow(window)) {
            return peer;
        }
        // GetParent of a top-level window answers its owner, another window altogether.
        if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) {
            return nullptr;
        }
    }
    return nullptr;
}

void JovMToolkit::focusMovedTo(HWND window) {
    const JovComponentPeer* owner = peerOwning(window);
    const HWND next = owner != nullptr ? owner->getWindow() : nullptr;
    if (next == focusWindow) {
        return;
    }
    const HWND previous = focusWindow;
    focusWindow = next;
    // Looked up again at each step: a listener may move the focus on or remove components.
    if (JovComponentPeer* loser = peerForWindow(previous)) {
        loser->handleFocus(false);
    }
    JovComponentPeer* gainer = peerForWindow(next);
    if (gainer != nullptr && focusWindow == next) {
        gainer->handleFocus(true);
    }
}

void JovMToolkit::postDeferredWork(const JovComponentPeer* peer) {
    PostMessageA(toolkitWindow, DEFERRED_WORK_MESSAGE, reinterpret_cast<WPARAM>(peer->getWindow()),
                 0);
}

LRESULT JovMToolkit::handleToolkitMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CREATE_PEER_MESSAGE) {
        auto* component = reinterpret_cast<JovComponent*>(lParam);
        return reinterpret_cast<LRESULT>(JovPeerFactory::createPeer(component));
    }
    if (message == DESTROY_PEER_MESSAGE) {
        auto* peer = reinterpret_cast<JovComponentPeer*>(lParam);
        peer->destroy();
        peer->release();
        return 1;
    }
    if (message == INVOKE_LATER_MESSAGE) {
        const std::unique_ptr<std::function<void()>> work(
            reinterpret_cast<std::function<void()>*>(lParam));
        (*work)();
        return 0;
    }
    if (message == DEFERRED_WORK_MESSAGE) {
        if (JovComponentPeer* peer = peerForWindow(reinterpret_cast<HWND>(wParam))) {
            // The work may remove the peer's component, and the peer with it.
            const JovReference<JovComponentPeer> held(peer);
            peer->runDeferredWork();
        }
        return 0;
    }
    return DefWindowProcA(toolkitWindow, message, wParam, lParam);
}

int JovMToolkit::runMessageLoop() {
    uiThreadId = GetCurrentThreadId();
    MSG message = {};
    BOOL fetched;
    while ((fetched = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        handleMessage(message);
    }
    return fetched == 0 ? static_cast<int>(message.wParam) : 0;
}

void JovMToolkit::handleMessage(MSG& message) {
    SendMessageA(toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
    if (message.hwnd == nullptr && message.message == QUIT_MESSAGE) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
    }
    if (translateKey(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool JovMToolkit::translateKey(const MSG& message) {
    const bool pressed = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool released = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    if (!pressed && !released) {
        return false;
    }
    JovComponentPeer* peer = peerOwning(message.hwnd);
    if (peer == nullptr) {
        return false;
    }
    const int key = static_cast<int>(message.wParam);
    if (message.message == WM_KEYDOWN && key == VK_TAB) {
        return peer->handleTab(currentModifiers());
    }
    if (key == VK_APPS) {
        // The release is taken too: passed on, it would open the context menu a second time.
        if (pressed) {
            peer->handleContextMenu(keyboardMenuX, keyboardMenuY);
        }
        return true;
    }
    if (pressed && (message.lParam & repeatedKeyBit) != 0) {
        return false;
    }
    if (key == VK_MENU) {
        return true;
    }
    return dispatchKey(peer, pressed, key);
}

bool JovMToolkit::dispatchKey(JovComponentPeer* peer, bool pressed, int keyCode) {
    JovComponent* origin = peer->getComponent();
    JovKeyEvent event(origin, pressed ? JovKeyEvent::KEY_PRESSED : JovKeyEvent::KEY_RELEASED,
                      static_cast<long>(std::time(nullptr)), currentModifiers(), keyCode,
                      static_cast<char>(keyCode));
    JovComponent* from = nullptr;
    for (JovComponent* component = origin; component != nullptr;
         from = component, component = component->getParent()) {
        if (component->isVisible()) {
            component->dispatchEvent(event);
            if (event.isConsumed()) {
                return true;
            }
        }
        if (from != nullptr && offerToOtherChildren(from->getParent(), from, event)) {
            return true;
        }
        if (dynamic_cast<JovWindow*>(component) != nullptr) {
            return false;
        }
    }
    return false;
}

void JovMToolkit::registerPeer(JovComponentPeer* peer) {
    peerRegistry.addElement(peer);
}

void JovMToolkit::unregisterPeer(JovComponentPeer* peer) {
    peerRegistry.removeElement(peer);
}

JovComponentPeer* JovMToolkit::peerForWindow(HWND window) const {
    if (window == nullptr) {
        return nullptr;
    }
    JovSynchronized guard(&peerRegistry);
    for (int i = 0; i < peerRegistry.size(); ++i) {
        auto* peer = static_cast<JovComponentPeer*>(peerRegistry.elementAt(i));
        if (peer->getWindow() == window) {
            return peer;
        }
    }
    return nullptr;
}

JovString JovMToolkit::toString() const {
    return "ool.awt.windows.JovMToolkit";
}
