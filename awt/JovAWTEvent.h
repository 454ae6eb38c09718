// Root of the toolkit's events: an id from the library's own numbering and a consumed mark. The
// id's group bit tells which listener group an event belongs to.
#pragma once

#include "util/JovEventObject.h"

class JovAWTEvent : public JovEventObject {
public:
    static constexpr int ACTION_EVENT_ID = 256;
    static constexpr int WINDOW_EVENT_GROUP = 512;
    static constexpr int MOUSE_EVENT_GROUP = 1024;
    static constexpr int MOUSE_MOTION_EVENT_GROUP = 2048;
    static constexpr int KEY_EVENT_GROUP = 4096;
    static constexpr int FOCUS_EVENT_GROUP = 8192;
    // The groups of the widget events; each first id is the group bit plus one.
    static constexpr int ADJUSTMENT_EVENT_GROUP = 16384;
    static constexpr int LIST_SELECTION_EVENT_GROUP = 32768;
    static constexpr int TREE_SELECTION_EVENT_GROUP = 65536;
    static constexpr int DOCUMENT_EVENT_GROUP = 131072;
    static constexpr int TREE_MODEL_EVENT_GROUP = 262144;
    static constexpr int CHANGE_EVENT_GROUP = 524288;

    JovAWTEvent(JovObject* source, int id) : JovEventObject(source), id(id), consumed(false) {}
    JovAWTEvent(const JovAWTEvent& other)
        : JovEventObject(other), id(other.id), consumed(other.consumed) {}

    int getID() const { return id; }
    // A consumed event is not offered to further components.
    void consume() { consumed = true; }
    bool isConsumed() const { return consumed; }

    JovString toString() const override;

private:
    int id;
    bool consumed;
};
