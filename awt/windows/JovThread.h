// A Win32 thread running a JovRunnable. A running thread is entered in a process-wide list that
// holds a reference on it, so a started thread nobody else holds deletes itself when it ends. Its
// wake-up event lets another thread cut a sleep of this thread short.
#pragma once

#include "awt/JovRunnable.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovThread : public JovObject, public JovRunnable {
public:
    // target is not owned and must outlive the thread's run.
    explicit JovThread(JovRunnable* target);
    JovThread(JovRunnable* target, const JovString& name);
    JovThread(const JovThread&) = delete;
    JovThread& operator=(const JovThread&) = delete;
    // A thread still running is suspended and terminated: only for threads that hold no locks.
    ~JovThread() override;

    // Starts the native thread once; a thread without target, or joined before, does not start.
    void start();
    // Waits for the thread to end; a thread not started yet is cancelled instead.
    void join();
    // Ends a sleep of this thread early (or the next one, when it is not sleeping).
    void wake();
    void suspend();
    void resume();
    bool isRunning() const { return running; }
    const JovString& getName() const { return name; }

    // Below 0 nothing happens. On a JovThread the sleep ends early when the thread is woken.
    static void sleep(int milliseconds);
    // The running JovThread that calls this, or null (the UI thread, foreign threads).
    static JovThread* currentThread();
    // Waits, at most milliseconds, until no JovThread runs any more: the process's globals must
    // outlive threads that are still finishing, such as a window's removal after the last one.
    static void awaitRunningThreads(int milliseconds);

    // Runs the target; subclasses made with the name-only constructor override it instead.
    void run() override;

    JovString toString() const override;
    bool equals(const JovObject* other) const override;

protected:
    // A thread that is its own target.
    explicit JovThread(const JovString& name);

private:
    // The native thread's entry, defined with the platform's calling convention.
    friend class JovThreadEntry;
    using Handle = void*;

    // The body of the native thread.
    void execute();
    void leaveRunningList();

    JovRunnable* target;
    JovString name;
    unsigned long threadId;
    volatile bool running;
    bool cancelled;
    Handle threadHandle;
    Handle wakeEvent;
};
