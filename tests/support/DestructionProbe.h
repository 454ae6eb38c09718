// Library objects that record their own destruction, so tests see when the last holder let go:
// DestructionProbe for a plain object, DestructionProbeOf<T> for any library class T.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <utility>

template <class Base> class DestructionProbeOf : public Base {
public:
    template <class... Arguments>
    explicit DestructionProbeOf(bool* destroyed, Arguments&&... arguments)
        : Base(std::forward<Arguments>(arguments)...), destroyed(destroyed) {}
    ~DestructionProbeOf() override { *destroyed = true; }

private:
    bool* destroyed;
};

// The root has no text of its own.
class TextlessObject : public JovObject {
public:
    JovString toString() const override { return "probe"; }
};

using DestructionProbe = DestructionProbeOf<TextlessObject>;
