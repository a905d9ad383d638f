#pragma once

#include "link/Ports.h"
#include "support/ManualClock.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvra::test {

// What the scripted device does with one datagram.
struct ScriptedReply {
    enum class Kind { Text, Silence, ReceiveFails };
    Kind kind = Kind::Silence;
    std::string text;
    int delayMs = 0;       // virtual time from the send to the reply's arrival
    std::string errorText; // the ESocketError message for ReceiveFails

    static ScriptedReply answer(std::string text, int delayMs = 0) {
        return {Kind::Text, std::move(text), delayMs, {}};
    }
    static ScriptedReply silence() { return {}; }
    static ScriptedReply receiveFails(std::string message) {
        return {Kind::ReceiveFails, {}, 0, std::move(message)};
    }
};

// An endpoint that answers from a script in virtual time. Each datagram sent gets
// the next queued reply, or, when the queue is empty, the responder's reply. Like
// the real endpoint it discards, at every send and close, a reply still waiting.
class ScriptedEndpoint : public DatagramEndpoint {
public:
    struct Sent {
        std::string text;
        std::string host;
        std::int32_t port = 0;
        long long atMs = 0; // virtual time since the clock's elapsed mark
    };
    using Responder = std::function<ScriptedReply(const std::string& datagram)>;

    explicit ScriptedEndpoint(ManualClock& clock);

    void close() override;
    void open() override;
    bool isOpen() const override { return open_; }
    void setHost(const std::string& host) override { host_ = host; }
    std::string host() const override { return host_; }
    void setPort(std::int32_t port) override { port_ = port; }
    std::int32_t port() const override { return port_; }
    void send(const std::string& text) override;
    std::string receive(int timeoutMs) override;

    void setResponder(Responder responder) { responder_ = std::move(responder); }
    void queue(ScriptedReply reply) { queued_.push_back(std::move(reply)); }
    // The next send throws ESocketError with message, and sends nothing.
    void failNextSend(std::string message) { sendFailure_ = std::move(message); }

    const std::vector<Sent>& sent() const { return sent_; }
    std::vector<std::string> sentTexts() const;
    int opens() const { return opens_; }
    int closes() const { return closes_; }

private:
    ManualClock& clock_;
    Responder responder_;
    std::deque<ScriptedReply> queued_;
    std::optional<std::string> sendFailure_;
    std::optional<ScriptedReply> pending_;
    long long pendingArrivalMs_ = 0;
    std::vector<Sent> sent_;
    std::string host_;
    std::int32_t port_ = 0;
    bool open_ = false;
    int opens_ = 0;
    int closes_ = 0;
};

} // namespace kelvra::test
