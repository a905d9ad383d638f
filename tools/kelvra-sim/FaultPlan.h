#pragma once

// The fault switches of the simulated device and what they make of each datagram.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kelvra::sim {

struct FaultSwitches {
    bool silent = false;
    std::vector<std::string> refused; // answered "ERR": exact datagrams or command prefixes
    // A late reply waits a time drawn evenly from lateMinMs to lateMaxMs, in ms.
    int lateMinMs = 0;
    int lateMaxMs = 0;
    std::vector<std::string> lateOnly; // when not empty, only these replies are late
    std::optional<int> shortSettings;  // items of the settings record
    bool crlf = false;
    int handshakeOn = 0;            // "COK" answered only from this arrival in a row on
    std::optional<int> silentAfter; // datagrams answered before going silent
    bool refuseHandshake = false;
    bool duplicate = false;
    double loss = 0; // chance, 0 to 1, that a datagram is lost, each way on its own
};

struct Reply {
    std::string text;
    int delayMs = 0;
    int copies = 1;     // sent
    int lostCopies = 0; // of those, lost on the way back
};

struct Decision {
    std::optional<Reply> reply; // empty: no answer at all
    std::string reason;         // why there is no answer
    bool refused = false;       // answered "ERR" by the switches, unseen by the device
};

// The chances the switches take. The same seed gives the same draws, so the same
// datagrams meet the same losses and delays on every platform.
class Chance {
public:
    explicit Chance(std::uint64_t seed) : engine_(seed) {}

    bool happens(double probability);
    int evenlyBetween(int low, int high);

private:
    std::mt19937_64 engine_;
};

class FaultPlan {
public:
    FaultPlan(FaultSwitches switches, std::uint64_t seed)
        : switches_(std::move(switches)), chance_(seed) {}

    // What goes back for one datagram. deviceAnswer runs the command on the device;
    // it is called only when the device takes the command in, so a refused or
    // unanswered command changes nothing.
    Decision decide(const std::string& datagram, const std::function<std::string()>& deviceAnswer);

private:
    std::optional<std::string> silenceReason(const std::string& datagram);

    int lateness(const std::string& datagram);

    FaultSwitches switches_;
    Chance chance_;
    int datagrams_ = 0;
    int handshakesInRow_ = 0;
    bool handshakeAnswered_ = false;
};

// Whether datagram is one of commands or begins with one of them.
bool MatchesAny(const std::string& datagram, const std::vector<std::string>& commands);

} // namespace kelvra::sim
