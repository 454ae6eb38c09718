#pragma once
// Scope guard that holds an object's re-entrant lock for its lifetime.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovSynchronized : public JovObject {
public:
    explicit JovSynchronized(const JovObject* object);
    JovSynchronized(const JovSynchronized&) = delete;
    JovSynchronized& operator=(const JovSynchronized&) = delete;
    ~JovSynchronized() override;

    JovString toString() const override;

private:
    const JovObject* object;
};
