#include "link/WaitSlicer.h"

namespace kelvra {

namespace {

// A whole slice while at least two are left, then the rest in one go, so the
// last slice is never a sliver.
int SliceMs(long long left) {
    return left >= 2 * kWaitSliceMs ? kWaitSliceMs : static_cast<int>(left);
}

} // namespace

void WaitSlicer::pause(int ms) {
    if (listener_ == nullptr) {
        clock_.pause(ms);
        return;
    }
    const long long deadline = clock_.steadyMs() + ms;
    for (long long left = ms; left > 0; left = deadline - clock_.steadyMs()) {
        const int slice = SliceMs(left);
        clock_.pause(slice);
        if (slice < left) {
            listener_->duringWait();
        }
    }
}

std::string WaitSlicer::receive(int timeoutMs) {
    if (listener_ == nullptr) {
        return endpoint_.receive(timeoutMs);
    }
    const long long deadline = clock_.steadyMs() + timeoutMs;
    for (long long left = timeoutMs; left > 0; left = deadline - clock_.steadyMs()) {
        const int slice = SliceMs(left);
        std::string reply = endpoint_.receive(slice);
        if (!reply.empty()) {
            return reply;
        }
        if (slice < left) {
            listener_->duringWait();
        }
    }
    // A reply that came during the last turn is waiting still.
    return endpoint_.receive(0);
}

} // namespace kelvra
