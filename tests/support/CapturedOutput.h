// What an operation writes to the standard streams: the library reports bad input there instead
// of throwing.
#pragma once

#include <gtest/gtest.h>

#include <string>

template <typename Operation> std::string errorsOf(Operation operation) {
    testing::internal::CaptureStderr();
    operation();
    return testing::internal::GetCapturedStderr();
}

template <typename Operation> std::string outputOf(Operation operation) {
    testing::internal::CaptureStdout();
    operation();
    return testing::internal::GetCapturedStdout();
}
