// The library's own listener for table data: the rows of a table model changed.
#pragma once

#include "util/JovEventListener.h"
#include "util/JovEventObject.h"

class JovDataListener : public virtual JovEventListener {
public:
    virtual void dataChanged(JovEventObject& event) = 0;
};
