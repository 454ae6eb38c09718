// The timer's thread: waits for requests, sleeps the delay and fires unless the firing was
// dropped meanwhile.

#include "awt/JovTimer.h"

#include "awt/JovToolkit.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovActionListener.h"
#include "awt/windows/JovThread.h"

JovTimer::JovTimer(int mode, JovActionListener* listener)
    : thread(new JovThread(this)), listener(listener), mode(mode), delay(0), idle(true),
      terminate(false), fireRequest(false), suppress(false) {
    thread->start();
}

JovTimer::~JovTimer() {
    stop();
    {
        std::lock_guard<std::mutex> guard(flagLock);
        terminate = true;
    }
    requestSignal.notify_all();
    // Cuts a delay the thread is sleeping short.
    thread->wake();
    thread->join();
}

void JovTimer::restart() {
    {
        std::lock_guard<std::mutex> guard(flagLock);
        fireRequest = true;
    }
    requestSignal.notify_all();
}

void JovTimer::stop() {
    std::lock_guard<std::mutex> guard(flagLock);
    if (!idle) {
        suppress = true;
    }
}

void JovTimer::run() {
    if (mode > 0) {
        JovThread::sleep(delay);
    }
    while (awaitRequest()) {
        firePending();
    }
}

bool JovTimer::awaitRequest() {
    std::unique_lock<std::mutex> guard(flagLock);
    requestSignal.wait(guard, [this] { return fireRequest || terminate; });
    if (terminate) {
        return false;
    }
    fireRequest = false;
    idle = false;
    return true;
}

void JovTimer::firePending() {
    if (mode == 0) {
        JovThread::sleep(delay);
    }
    bool dropped;
    {
        // A timer being destroyed never fires, even when the request came in just before.
        std::lock_guard<std::mutex> guard(flagLock);
        dropped = suppress || terminate;
    }
    if (!dropped) {
        fire();
    }
    if (mode == 0) {
        std::lock_guard<std::mutex> guard(flagLock);
        idle = true;
        suppress = false;
    }
}

void JovTimer::fire() {
    if (listener == nullptr) {
        return;
    }
    JovToolkit* toolkit = JovToolkit::getDefaultToolkit();
    if (!deliveredOnUiThread || toolkit == nullptr) {
        notifyListener();
        return;
    }
    // The queued call keeps the timer alive until it ran.
    addRef();
    toolkit->invokeLater([this] {
        notifyListener();
        release();
    });
}

void JovTimer::notifyListener() {
    JovActionEvent event(this, JovActionEvent::ACTION_PERFORMED, toString());
    listener->actionPerformed(event);
}

JovString JovTimer::toString() const {
    return "ool.awt.JovTimer";
}
