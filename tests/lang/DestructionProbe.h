// A library object that records its own destruction, so tests see when its last holder let go.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class DestructionProbe : public JovObject {
public:
    explicit DestructionProbe(bool* destroyed) : destroyed(destroyed) {}
    ~DestructionProbe() override { *destroyed = true; }
    JovString toString() const override { return "probe"; }

private:
    bool* destroyed;
};
