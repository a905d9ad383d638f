#pragma once

#include <functional>
#include <vector>

namespace kelvra {

// Whether a handler talks to the device, and so blocks the window for a while; the
// clock tick apart, because the ticks due during an operation's waits make one
// tick after it rather than each waiting its turn.
enum class HandlerKind { Window, Device, Clock };

// The window while a device operation runs: one operation at a time, the input that
// reaches a handler meanwhile waits for its end, and so does a close; the clock
// ticks missed in its waits come back as one. What waits is handed to post() when
// the operation is over, in the order it came, the tick first and the close last.
class OperationGate {
public:
    using Action = std::function<void()>;

    explicit OperationGate(std::function<void(Action)> post) : post_(std::move(post)) {}

    // Marks an operation running for its lifetime.
    class Operation {
    public:
        explicit Operation(OperationGate& gate) : gate_(gate) { gate_.running_ = true; }
        ~Operation() { gate_.running_ = false; }
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        OperationGate& gate_;
    };

    // True when a handler of kind must not run now; later is then kept for
    // catchUp(). A tick is kept only when it comes during a wait (a message box's
    // own loop delivers ticks as usual); any other handler while an operation runs.
    bool defer(HandlerKind kind, Action later);
    // True when the window must stay open for now; close is then kept for catchUp().
    bool deferClose(Action close);
    // A turn during a wait of the running operation; none outside an operation and
    // none inside another turn.
    void duringWait(const Action& turn);
    // Posts what was kept, after the operation.
    void catchUp();

private:
    std::function<void(Action)> post_;
    bool running_ = false;
    bool insideWait_ = false;
    Action missedTick_;
    std::vector<Action> deferred_;
    Action close_;
};

} // namespace kelvra
