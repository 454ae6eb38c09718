// Root of every listener interface. Listener interfaces derive from it virtually, so that one
// object implementing several of them is still one listener to the event chains.
#pragma once

class JovEventListener {
public:
    virtual ~JovEventListener() = default;
};
