#pragma once

// The fault switches of the simulated device and what they make of each datagram.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvra::sim {

struct FaultSwitches {
    bool silent = false;
    std::vector<std::string> refused; // answered "ERR": exact datagrams or command prefixes
    int lateMs = 0;
    std::vector<std::string> lateOnly; // when not empty, only these replies are late
    std::optional<int> shortSettings;  // items of the settings record
    bool crlf = false;
    int handshakeOn = 0;            // "COK" answered only from this arrival in a row on
    std::optional<int> silentAfter; // datagrams answered before going silent
    bool refuseHandshake = false;
    bool duplicate = false;
};

struct Reply {
    std::string text;
    int delayMs = 0;
    int copies = 1;
};

struct Decision {
    std::optional<Reply> reply; // empty: no answer at all
    std::string reason;         // why there is no answer
    bool refused = false;       // answered "ERR" by the switches, unseen by the device
};

class FaultPlan {
public:
    explicit FaultPlan(FaultSwitches switches) : switches_(std::move(switches)) {}

    // What goes back for one datagram. deviceAnswer runs the command on the device;
    // it is called only when the device takes the command in, so a refused or
    // unanswered command changes nothing.
    Decision decide(const std::string& datagram, const std::function<std::string()>& deviceAnswer);

private:
    std::optional<std::string> silenceReason(const std::string& datagram);

    FaultSwitches switches_;
    int datagrams_ = 0;
    int handshakesInRow_ = 0;
    bool handshakeAnswered_ = false;
};

// Whether datagram is one of commands or begins with one of them.
bool MatchesAny(const std::string& datagram, const std::vector<std::string>& commands);

} // namespace kelvra::sim
