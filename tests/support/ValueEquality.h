// The equality every value class promises: equal to its own clone, unequal to null and to each
// of the other objects given (other values, other classes with the same text).
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

inline void expectEqualsOnlyItsClone(const JovObject& value,
                                     std::initializer_list<const JovObject*> unequal) {
    const std::unique_ptr<JovObject> copy(value.clone());
    EXPECT_NE(copy.get(), &value);
    EXPECT_TRUE(value.equals(copy.get())) << value.toString().chars();
    EXPECT_FALSE(value.equals(nullptr));
    for (const JovObject* other : unequal) {
        EXPECT_FALSE(value.equals(other)) << other->toString().chars();
    }
}
