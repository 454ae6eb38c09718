// Lock guard over the per-object lock.

#include "lang/JovSynchronized.h"

JovSynchronized::JovSynchronized(const JovObject* object) : object(object) {
    if (object != nullptr) {
        object->lock();
    }
}

JovSynchronized::~JovSynchronized() {
    if (object != nullptr) {
        object->unlock();
    }
}

JovString JovSynchronized::toString() const {
    return "ool.lang.JovSynchronized";
}
