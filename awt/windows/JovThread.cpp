// Win32 threads: the running-thread list, the start and end of a native thread, and sleeps that a
// wake-up event can cut short.

#include "awt/windows/JovThread.h"

#include "lang/JovSynchronized.h"
#include "util/JovVector.h"

#include <windows.h>

namespace {

constexpr const char* defaultName = "JovThread";
constexpr DWORD terminatedExitCode = 0;
constexpr SIZE_T defaultStackSize = 0;

// Created before main, so that it never counts as an object a test left behind.
JovVector runningThreads;

} // namespace

class JovThreadEntry {
public:
    static DWORD WINAPI procedure(LPVOID parameter) {
        static_cast<JovThread*>(parameter)->execute();
        return 0;
    }
};

JovThread::JovThread(JovRunnable* target) : JovThread(target, defaultName) {
}

JovThread::JovThread(JovRunnable* target, const JovString& name)
    : target(target), name(name), threadId(0), running(false), cancelled(false),
      threadHandle(nullptr), wakeEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
}

JovThread::JovThread(const JovString& name)
    : target(this), name(name), threadId(0), running(false), cancelled(false),
      threadHandle(nullptr), wakeEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
}

JovThread::~JovThread() {
    if (running && threadId != GetCurrentThreadId()) {
        SuspendThread(threadHandle);
        TerminateThread(threadHandle, terminatedExitCode);
        // Some platforms finish terminating a suspended thread only once it may run again.
        ResumeThread(threadHandle);
        running = false;
    }
    if (wakeEvent != nullptr) {
        CloseHandle(wakeEvent);
    }
    if (threadHandle != nullptr) {
        CloseHandle(threadHandle);
    }
    leaveRunningList();
}

void JovThread::leaveRunningList() {
    JovSynchronized guard(&runningThreads);
    if (runningThreads.indexOf(this) < 0) {
        return;
    }
    // The list's reference must not delete an object that is already being destroyed.
    addRef();
    runningThreads.removeElement(this);
}

void JovThread::start() {
    if (target == nullptr || cancelled || threadHandle != nullptr) {
        return;
    }
    running = true;
    // Suspended until the handle and id are stored: a short thread could otherwise end, and
    // delete this object, before CreateThread returns.
    DWORD id = 0;
    HANDLE handle = CreateThread(nullptr, defaultStackSize, &JovThreadEntry::procedure, this,
                                 CREATE_SUSPENDED, &id);
    if (handle == nullptr) {
        running = false;
        return;
    }
    threadHandle = handle;
    threadId = id;
    // Entered before it runs, so a started thread counts as running from the start on.
    runningThreads.addElement(this);
    ResumeThread(handle);
}

void JovThread::execute() {
    running = true;
    run();
    running = false;
    // Releases the list's reference, which deletes this thread when nobody else holds it.
    runningThreads.removeElement(this);
}

void JovThread::join() {
    if (threadHandle == nullptr) {
        cancelled = true;
        return;
    }
    if (running && threadId != GetCurrentThreadId()) {
        WaitForSingleObject(threadHandle, INFINITE);
    }
}

void JovThread::wake() {
    if (running) {
        SetEvent(wakeEvent);
    }
}

void JovThread::suspend() {
    if (threadHandle != nullptr) {
        SuspendThread(threadHandle);
    }
}

void JovThread::resume() {
    if (threadHandle != nullptr) {
        ResumeThread(threadHandle);
    }
}

void JovThread::sleep(int milliseconds) {
    if (milliseconds < 0) {
        return;
    }
    JovThread* current = currentThread();
    if (current == nullptr) {
        Sleep(milliseconds);
        return;
    }
    WaitForSingleObject(current->wakeEvent, milliseconds);
}

JovThread* JovThread::currentThread() {
    const DWORD id = GetCurrentThreadId();
    JovSynchronized guard(&runningThreads);
    for (int i = 0; i < runningThreads.size(); ++i) {
        auto* thread = static_cast<JovThread*>(runningThreads.elementAt(i));
        if (thread->threadId == id) {
            return thread;
        }
    }
    return nullptr;
}

void JovThread::awaitRunningThreads(int milliseconds) {
    constexpr DWORD pollMilliseconds = 5;
    const DWORD start = GetTickCount();
    // Unsigned differences stay right when the tick count wraps.
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        {
            JovSynchronized guard(&runningThreads);
            if (runningThreads.isEmpty()) {
                return;
            }
        }
        Sleep(pollMilliseconds);
    }
}

void JovThread::run() {
    if (target != nullptr && target != this) {
        target->run();
    }
}

JovString JovThread::toString() const {
    return name;
}

bool JovThread::equals(const JovObject* other) const {
    return other == this;
}
