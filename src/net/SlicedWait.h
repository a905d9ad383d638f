#pragma once

#include "link/Ports.h"

#include <chrono>

namespace kelvra::net {

using SteadyTime = std::chrono::steady_clock::time_point;

// Milliseconds left until deadline, rounded up, so that a wait never ends early.
inline int MillisecondsUntil(SteadyTime deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits until deadline in slices, giving listener (when there is one) a turn after
// every slice that leaves at least a whole slice before the deadline. waitAtMost(ms)
// waits up to ms and returns true when what is awaited has come; that ends the
// wait with true. False when the deadline passed.
template <class WaitAtMost>
bool WaitInSlices(SteadyTime deadline, WaitListener* listener, WaitAtMost waitAtMost) {
    for (;;) {
        const int left = MillisecondsUntil(deadline);
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
