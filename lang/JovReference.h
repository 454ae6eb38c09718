#pragma once
// A counted reference that lives as long as its holder: the one place that pairs addRef with
// release, for members that hold an object, slots that swap one, and locals that keep one alive.

#include <utility>

template <class T> class JovReference {
public:
    JovReference() = default;
    explicit JovReference(T* object) : object(object) {
        if (object != nullptr) {
            object->addRef();
        }
    }
    JovReference(const JovReference& other) : JovReference(other.object) {}
    JovReference(JovReference&& other) noexcept : object(std::exchange(other.object, nullptr)) {}
    JovReference& operator=(const JovReference& other) {
        reset(other.object);
        return *this;
    }
    // The moved-from holder is left empty; the old object is released last.
    JovReference& operator=(JovReference&& other) noexcept {
        if (&other == this) {
            return *this;
        }
        T* old = std::exchange(object, std::exchange(other.object, nullptr));
        if (old != nullptr) {
            old->release();
        }
        return *this;
    }
    ~JovReference() { reset(); }

    // Takes the new reference before giving up the old one, so an object reachable only through
    // the old one survives; holding the same object again changes no count.
    void reset(T* replacement = nullptr) {
        if (replacement == object) {
            return;
        }
        if (replacement != nullptr) {
            replacement->addRef();
        }
        T* old = std::exchange(object, replacement);
        if (old != nullptr) {
            old->release();
        }
    }

    T* get() const { return object; }
    T* operator->() const { return object; }
    T& operator*() const { return *object; }
    explicit operator bool() const { return object != nullptr; }

private:
    T* object = nullptr;
};
