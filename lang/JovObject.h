#pragma once
// Root of every class in the system: an intrusive reference count, a lazily created re-entrant
// lock and the process-wide count of live objects.

#include "lang/JovPlatform.h"

class JovString;

class JovObject {
public:
    JovObject();
    // A copy is a new object: it starts unreferenced and without a lock.
    JovObject(const JovObject& other);
    JovObject& operator=(const JovObject& other);
    virtual ~JovObject();

    // A new heap copy owned by the caller; objects that cannot be copied answer null.
    virtual JovObject* clone() const;
    virtual JovString toString() const = 0;
    virtual bool equals(const JovObject* other) const;
    virtual bool operator==(const JovObject& other) const;
    virtual bool operator!=(const JovObject& other) const;
    // This object as text when it is one, else null: the test that key comparisons make on every
    // entry, answered without a run-time type search.
    virtual const JovString* asString() const;

    void addRef();
    // The last holder's release deletes the object.
    void release();
    void lock() const;
    void unlock() const;

    static int liveObjectCount();
    static void setReportEnabled(bool enabled);

private:
    int referenceCount;
    mutable JovPlatform::RecursiveLock* objectLock;
};
