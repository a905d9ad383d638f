#include "support/ScriptedEndpoint.h"

#include "core/Errors.h"

namespace kelvra::test {

ScriptedEndpoint::ScriptedEndpoint(ManualClock& clock)
    : clock_(clock), responder_([](const std::string&) { return ScriptedReply::silence(); }) {}

void ScriptedEndpoint::close() {
    closes_ += open_ ? 1 : 0;
    open_ = false;
    pending_.reset();
}

void ScriptedEndpoint::open() {
    opens_ += open_ ? 0 : 1;
    open_ = true;
}

void ScriptedEndpoint::send(const std::string& text) {
    if (host_.empty()) {
        throw ESocketError("Host not set."); // the port's own refusal
    }
    open();
    if (sendFailure_) {
        const std::string message = *sendFailure_;
        sendFailure_.reset();
        throw ESocketError(message);
    }
    pending_.reset();
    sent_.push_back({text, host_, port_, clock_.elapsedMs()});

    ScriptedReply reply;
    if (queued_.empty()) {
        reply = responder_(text);
    } else {
        reply = std::move(queued_.front());
        queued_.pop_front();
    }
    if (reply.kind != ScriptedReply::Kind::Silence) {
        pending_ = std::move(reply);
        pendingArrivalMs_ = clock_.epochMs() + pending_->delayMs;
    }
}

std::string ScriptedEndpoint::receive(int timeoutMs) {
    open();
    if (pending_ && pending_->kind == ScriptedReply::Kind::ReceiveFails) {
        const std::string message = pending_->errorText;
        pending_.reset();
        throw ESocketError(message);
    }
    if (pending_ && pendingArrivalMs_ <= clock_.epochMs() + timeoutMs) {
        clock_.advance(pendingArrivalMs_ - clock_.epochMs());
        const std::string text = std::move(pending_->text);
        pending_.reset();
        return text;
    }
    clock_.advance(timeoutMs);
    return {};
}

std::vector<std::string> ScriptedEndpoint::sentTexts() const {
    std::vector<std::string> texts;
    for (const Sent& s : sent_) {
        texts.push_back(s.text);
    }
    return texts;
}

} // namespace kelvra::test
