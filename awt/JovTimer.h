// A single-shot delayed action on a thread of its own: a burst of restarts fires once, after the
// delay that follows the last restart. The listener runs on the timer's thread.
#pragma once

#include "awt/JovRunnable.h"
#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

class JovActionListener;
class JovThread;

class JovTimer : public JovObject, public JovRunnable {
public:
    // Starts the timer's thread at once. listener is not owned; mode above 0 sleeps the delay
    // once at the start and then fires at once on each request.
    JovTimer(int mode, JovActionListener* listener);
    JovTimer(const JovTimer&) = delete;
    JovTimer& operator=(const JovTimer&) = delete;
    // Drops a waiting firing and ends the thread without calling the listener again.
    ~JovTimer() override;

    void setDelay(int milliseconds) { delay = milliseconds; }
    // The listener hears the timer on the UI thread instead of the timer's own thread.
    void setDeliveredOnUiThread(bool onUiThread) { deliveredOnUiThread = onUiThread; }
    int getDelay() const { return delay; }
    // Asks for a firing.
    void restart();
    // Drops the firing that is waiting, if one is.
    void stop();

    // The timer thread's body.
    void run() override;

    JovString toString() const override;

private:
    // Blocks until a firing is asked for; false when the timer is ending instead.
    bool awaitRequest();
    void fire();
    void notifyListener();
    void firePending();

    // Counted, so that the thread does not delete itself when it ends: the timer does.
    JovReference<JovThread> thread;
    JovActionListener* listener;
    int mode;
    std::atomic<int> delay;
    std::atomic<bool> deliveredOnUiThread{false};
    bool idle;
    bool terminate;
    bool fireRequest;
    bool suppress;
    // Guards the flags; the thread waits on the signal instead of polling them.
    std::mutex flagLock;
    std::condition_variable requestSignal;
};
