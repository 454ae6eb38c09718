// Raises a flag for the lifetime of the guard, so a peer can tell its own changes to a control
// from the user's when the control notifies it.
#pragma once

class JovFlagGuard {
public:
    explicit JovFlagGuard(bool& flag) : flag(flag), previous(flag) { flag = true; }
    ~JovFlagGuard() { flag = previous; }
    JovFlagGuard(const JovFlagGuard&) = delete;
    JovFlagGuard& operator=(const JovFlagGuard&) = delete;

private:
    bool& flag;
    bool previous;
};
