#include "ScriptedEndpoint.h"

#include "core/Errors.h"

namespace kelvra::testing {

ScriptedEndpoint::ScriptedEndpoint(ManualClock& clock)
    : clock_(clock), responder_([](const std::string&) { return ScriptedReply::silence(); }) {}

void ScriptedEndpoint::close() {
    if (open_) {
        ++closes_;
    }
    open_ = false;
    if (pending_) {
        ++discarded_;
    }
    pending_.reset();
}

void ScriptedEndpoint::open() {
    if (!open_) {
        ++opens_;
    }
    open_ = true;
}

void ScriptedEndpoint::send(const std::string& text) {
    if (!open_) {
        open();
    }
    if (sendFailure_) {
        const std::string message = *sendFailure_;
        sendFailure_.reset();
        throw ESocketError(message);
    }
    if (pending_) {
        ++discarded_;
    }
    pending_.reset();
    sent_.push_back({text, host_, port_, clock_.elapsedMs()});

    ScriptedReply reply;
    if (!queued_.empty()) {
        reply = std::move(queued_.front());
        queued_.pop_front();
    } else {
        reply = responder_(text);
    }
    if (reply.kind != ScriptedReply::Kind::Silence) {
        pending_ = std::move(reply);
        pendingArrivalMs_ = clock_.epochMs() + pending_->delayMs;
    }
}

std::string ScriptedEndpoint::receive(int timeoutMs) {
    if (!open_) {
        open();
    }
    if (pending_ && pending_->kind == ScriptedReply::Kind::ReceiveFails) {
        const std::string message = pending_->errorText;
        pending_.reset();
        throw ESocketError(message);
    }
    const long long deadline = clock_.epochMs() + timeoutMs;
    if (pending_ && pendingArrivalMs_ <= deadline) {
        clock_.advance(pendingArrivalMs_ - clock_.epochMs());
        std::string text = std::move(pending_->text);
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

} // namespace kelvra::testing
