// Reference counting, per-object locking and the live-object report of the object root.

#include "lang/JovObject.h"

#include <cstdio>

namespace {

volatile int liveObjects = 0;
bool reportEnabled = false;

// Only a clean or an over-released heap is worth a line; the intermediate counts are not.
void reportLiveObjects(int remaining) {
    if (!reportEnabled || remaining > 0) {
        return;
    }
    if (remaining == 0) {
        std::fputs("Memory cleanup has been completed.\n", stdout);
        return;
    }
    std::fprintf(stdout, "Warning: %d have been constructed out of JovObject.\n", -remaining);
}

} // namespace

JovObject::JovObject() : referenceCount(0), objectLock(nullptr) {
    JovPlatform::interlockedIncrement(&liveObjects);
}

JovObject::JovObject(const JovObject&) : referenceCount(0), objectLock(nullptr) {
    JovPlatform::interlockedIncrement(&liveObjects);
}

JovObject& JovObject::operator=(const JovObject&) {
    return *this;
}

JovObject::~JovObject() {
    if (objectLock != nullptr) {
        JovPlatform::destroyLock(objectLock);
    }
    reportLiveObjects(JovPlatform::interlockedDecrement(&liveObjects));
}

JovObject* JovObject::clone() const {
    return nullptr;
}

bool JovObject::equals(const JovObject* other) const {
    return other == this;
}

bool JovObject::operator==(const JovObject& other) const {
    return &other == this;
}

bool JovObject::operator!=(const JovObject& other) const {
    return !operator==(other);
}

const JovString* JovObject::asString() const {
    return nullptr;
}

void JovObject::addRef() {
    ++referenceCount;
}

void JovObject::release() {
    if (--referenceCount <= 0) {
        delete this;
    }
}

void JovObject::lock() const {
    JovPlatform::enterLock(JovPlatform::lockInSlot(&objectLock));
}

// Only a holder unlocks, so the lock exists and was published by this thread's lock().
void JovObject::unlock() const {
    JovPlatform::leaveLock(objectLock);
}

int JovObject::liveObjectCount() {
    return liveObjects;
}

void JovObject::setReportEnabled(bool enabled) {
    reportEnabled = enabled;
}
