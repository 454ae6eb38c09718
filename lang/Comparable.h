#pragma once
// Interface of objects with a natural order.

class JovObject;

class Comparable {
public:
    virtual ~Comparable() = default;
    // Negative, zero or positive as this object sorts before, with or after the other.
    virtual int compareTo(const JovObject& other) const = 0;
};
