#pragma once
// Stands for one of the process's standard streams; file writers made from it write there.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovFileDescriptor : public JovObject {
public:
    JovFileDescriptor(const JovFileDescriptor&) = delete;
    JovFileDescriptor& operator=(const JovFileDescriptor&) = delete;

    // The two process-wide instances, created on first use.
    static const JovFileDescriptor& standardOutput();
    static const JovFileDescriptor& standardError();

    JovString toString() const override;

private:
    JovFileDescriptor() = default;
};
