#pragma once

#include <chrono>

namespace kelvra::net {

using Deadline = std::chrono::steady_clock::time_point;

inline Deadline DeadlineIn(int ms) {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
}

// Milliseconds left until deadline, rounded up so that a wait never ends early;
// 0 once it has passed.
inline int MillisecondsLeft(Deadline deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

} // namespace kelvra::net
