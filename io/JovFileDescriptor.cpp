// The standard-output and standard-error descriptors, told apart by identity.

#include "io/JovFileDescriptor.h"

const JovFileDescriptor& JovFileDescriptor::standardOutput() {
    static const JovFileDescriptor descriptor;
    return descriptor;
}

const JovFileDescriptor& JovFileDescriptor::standardError() {
    static const JovFileDescriptor descriptor;
    return descriptor;
}

JovString JovFileDescriptor::toString() const {
    return "ool.io.JovFileDescriptor";
}
