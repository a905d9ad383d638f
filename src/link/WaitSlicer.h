#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra {

// The link's waits, pauses and reply waits alike. Without a listener each is one
// plain wait. With one, a wait runs in slices of kWaitSliceMs, measured on the
// clock's steady time, and the listener gets a turn after every slice that leaves
// at least a whole slice, so a short turn never lengthens a wait. A turn that
// outlasts the deadline ends the wait, but a reply wait then takes one last look
// before it reports silence: a turn may delay a reply, never lose it.
class WaitSlicer {
public:
    WaitSlicer(DatagramEndpoint& endpoint, Clock& clock, WaitListener* listener)
        : endpoint_(endpoint), clock_(clock), listener_(listener) {}

    void pause(int ms);
    // The next reply, or "" when none came within timeoutMs.
    std::string receive(int timeoutMs);

private:
    DatagramEndpoint& endpoint_;
    Clock& clock_;
    WaitListener* listener_;
};

} // namespace kelvra
