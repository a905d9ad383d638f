#pragma once

#include "link/Ports.h"
#include "net/Deadline.h"

namespace kelvra::net {

// Waits until deadline in slices, giving listener (when there is one) a turn after
// every slice that leaves at least a whole slice before the deadline. waitAtMost(ms)
// waits up to ms and returns true when what is awaited has come; that ends the
// wait with true. False when the deadline passed.
template <class WaitAtMost>
bool WaitInSlices(Deadline deadline, WaitListener* listener, WaitAtMost waitAtMost) {
    for (;;) {
        const int left = MillisecondsLeft(deadline);
        if (left <= 0) {
            return false;
        }
        const bool turn = listener != nullptr && left >= 2 * kWaitSliceMs;
        if (waitAtMost(turn ? kWaitSliceMs : left)) {
            return true;
        }
        if (turn) {
            listener->duringWait();
        }
    }
}

} // namespace kelvra::net
