// The Win32 toolkit: window classes, tool-tip control, the hidden window through which peers are
// made on the UI thread, the peer registry and the message loop with its keyboard handling.
#pragma once

#include "awt/JovToolkit.h"
#include "util/JovVector.h"

#include <windows.h>

class JovComponentPeer;

class JovMToolkit : public JovToolkit {
public:
    static constexpr UINT CREATE_PEER_MESSAGE = WM_USER + 100;
    static constexpr UINT DESTROY_PEER_MESSAGE = WM_USER + 101;
    static constexpr UINT QUIT_MESSAGE = WM_USER + 102;
    static constexpr UINT DEFERRED_WORK_MESSAGE = WM_USER + 103;
    static constexpr UINT INVOKE_LATER_MESSAGE = WM_USER + 104;
    static constexpr UINT_PTR HOVER_TIMER_ID = 257;
    static constexpr UINT HOVER_PERIOD = 200;
    static constexpr const char* COMPONENT_CLASS = "JovComponent";
    static constexpr const char* DIALOG_CLASS = "JovDialog";
    static constexpr const char* PROGRAM_ICON = "quorvane";

    // At process start, on the thread that becomes the UI thread: registers the window classes,
    // creates the tool-tip control and the hidden toolkit window, and installs the toolkit. A
    // second call answers the toolkit already made.
    static JovMToolkit* initialize(HINSTANCE instance);
    // The toolkit, or null before initialize.
    static JovMToolkit* getToolkit();
    // At process end: destroys the toolkit's windows and the toolkit itself.
    static void shutdown();

    JovDimension getScreenSize() const override;
    int getScreenResolution() const override;
    JovImage* getImage(const JovString& fileName) override;
    void beep() override;
    JovComponentPeer* createPeer(JovComponent* component) override;
    void destroyPeer(JovComponentPeer* peer) override;
    void quit(int exitCode) override;
    void invokeLater(std::function<void()> work) override;
    bool isAlreadyRunning(const JovString& name) override;
    JovComponent* getFocusOwner() const override;

    // Shift 1, Alt 2, Ctrl 4 as the keyboard state of the calling thread has them now.
    static int currentModifiers();

    // Set once a peer was created: only then is there a window to run a message loop for.
    bool isMessageLoopRequested() const { return messageLoopRequested; }
    // Runs until the quit message; answers its exit code.
    int runMessageLoop();
    // One fetched message as every loop handles it: tool-tip relay, the toolkit's quit request,
    // the keyboard translation, then translate and dispatch.
    void handleMessage(MSG& message);

    void registerPeer(JovComponentPeer* peer);
    void unregisterPeer(JovComponentPeer* peer);
    // The peer owning window, or null for windows that are not the library's.
    JovComponentPeer* peerForWindow(HWND window) const;
    bool isLibraryWindow(HWND window) const { return peerForWindow(window) != nullptr; }
    // The peer of window or of the nearest window above it inside the same top-level window:
    // the inner parts of a control (a combo box's edit field, a list view's header) belong to it.
    JovComponentPeer* peerOwning(HWND window) const;

    // The keyboard focus went to window (null: out of the program's windows). The component that
    // had it hears focus lost, the one owning window focus gained; moves inside one control are
    // no change.
    void focusMovedTo(HWND window);
    // peer's deferredWork runs once the message being handled now is done, if peer still lives.
    void postDeferredWork(const JovComponentPeer* peer);

    HINSTANCE getInstance() const { return instance; }
    HWND getToolTip() const { return toolTip; }
    HWND getToolkitWindow() const { return toolkitWindow; }
    DWORD getUiThreadId() const { return uiThreadId; }
    // How many modal dialogs are running their loops, one inside the other.
    int getModalDepth() const { return modalDepth; }
    void setModalDepth(int depth) { modalDepth = depth; }

    // The library window whose component the mouse is over, as last seen; null for none.
    HWND getWindowUnderMouse() const { return windowUnderMouse; }
    void setWindowUnderMouse(HWND window) { windowUnderMouse = window; }
    // The window whose hover timer runs, or null.
    HWND getHoverTimerWindow() const { return hoverTimerWindow; }
    void setHoverTimerWindow(HWND window) { hoverTimerWindow = window; }

    // The toolkit window's own messages: peer creation and destruction on the UI thread.
    LRESULT handleToolkitMessage(UINT message, WPARAM wParam, LPARAM lParam);

    JovString toString() const override;

private:
    explicit JovMToolkit(HINSTANCE instance);
    ~JovMToolkit() override;

    bool translateKey(const MSG& message);
    bool dispatchKey(JovComponentPeer* peer, bool pressed, int keyCode);

    HWND toolkitWindow;
    HWND toolTip;
    DWORD uiThreadId;
    HINSTANCE instance;
    bool messageLoopRequested;
    int modalDepth;
    JovVector peerRegistry;
    HWND windowUnderMouse;
    HWND hoverTimerWindow;
    HANDLE instanceMutex;
    // The window of the component that was last told it has the focus.
    HWND focusWindow;
};
