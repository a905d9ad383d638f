#include "ui/OperationGate.h"

#include <utility>

namespace kelvra {

bool OperationGate::defer(HandlerKind kind, Action later) {
    if (kind == HandlerKind::Clock) {
        // A tick outside a wait runs, so it clears one missed before it.
        missedTick_ = insideWait_ ? std::move(later) : Action();
        return insideWait_;
    }
    if (!running_) {
        return false;
    }
    // A click that reached a button anyway (a posted event, an accessibility
    // action, a delayed mnemonic click): it runs after the operation.
    deferred_.push_back(std::move(later));
    return true;
}

bool OperationGate::deferClose(Action close) {
    if (!running_) {
        return false;
    }
    // Closing now would cut the device off mid-operation, an address perhaps half
    // written.
    close_ = std::move(close);
    return true;
}

void OperationGate::duringWait(const Action& turn) {
    if (!running_ || insideWait_) {
        return;
    }
    insideWait_ = true;
    try {
        turn();
    } catch (...) {
        insideWait_ = false;
        throw;
    }
    insideWait_ = false;
}

void OperationGate::catchUp() {
    if (Action tick = std::exchange(missedTick_, {})) {
        post_(std::move(tick));
    }
    for (Action& handler : std::exchange(deferred_, {})) {
        post_(std::move(handler));
    }
    if (Action close = std::exchange(close_, {})) {
        post_(std::move(close));
    }
}

} // namespace kelvra
