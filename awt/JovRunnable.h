// Work that a thread runs.
#pragma once

class JovRunnable {
public:
    virtual ~JovRunnable() = default;

    virtual void run() = 0;
};
