// The process's toolkit instance.

#include "awt/JovToolkit.h"

namespace {

JovToolkit* defaultToolkit = nullptr;

} // namespace

JovToolkit* JovToolkit::getDefaultToolkit() {
    return defaultToolkit;
}

void JovToolkit::setDefaultToolkit(JovToolkit* toolkit) {
    defaultToolkit = toolkit;
}
