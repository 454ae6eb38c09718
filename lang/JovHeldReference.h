// Replacing a counted reference that an object keeps in a field (a popup menu, an accelerator, a
// focus target): the new object is held before the old one is released, so that setting the same
// object again can never delete it.
#pragma once

// Puts object into slot with a reference of its own and releases what slot held; null empties it.
template <typename T> void holdReference(T*& slot, T* object) {
    if (object == slot) {
        return;
    }
    if (object != nullptr) {
        object->addRef();
    }
    T* old = slot;
    slot = object;
    if (old != nullptr) {
        old->release();
    }
}
