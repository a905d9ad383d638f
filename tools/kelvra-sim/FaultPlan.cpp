#include "kelvra-sim/FaultPlan.h"

namespace kelvra::sim {

namespace {

constexpr const char* kHandshake = "COK";
constexpr const char* kSettings = "CSS";

// The record cut after its first items fields.
std::string FirstItems(const std::string& record, int items) {
    if (items <= 0) {
        return {};
    }
    std::size_t from = 0;
    for (int i = 0; i < items; ++i) {
        const std::size_t end = record.find('|', from);
        if (end == std::string::npos) {
            return record;
        }
        from = end + 1;
    }
    return record.substr(0, from - 1);
}

} // namespace

bool Chance::happens(double probability) {
    if (probability <= 0) {
        return false;
    }
    // 53 bits of one draw as a fraction of 1: the engine's output is the same
    // everywhere, where the standard distributions' are not.
    constexpr double kUnit = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(engine_() >> 11) * kUnit < probability;
}

int Chance::evenlyBetween(int low, int high) {
    if (high <= low) {
        return low;
    }
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(engine_() % span);
}

bool MatchesAny(const std::string& datagram, const std::vector<std::string>& commands) {
    for (const std::string& command : commands) {
        if (datagram.compare(0, command.size(), command) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> FaultPlan::silenceReason(const std::string& datagram) {
    ++datagrams_;
    if (switches_.silentAfter && datagrams_ > *switches_.silentAfter) {
        return "silent after " + std::to_string(*switches_.silentAfter) + " datagrams";
    }
    if (switches_.silent) {
        return "silent";
    }
    if (datagram == kHandshake) {
        ++handshakesInRow_;
        if (handshakesInRow_ < switches_.handshakeOn) {
            return "handshake " + std::to_string(handshakesInRow_) + " of " +
                   std::to_string(switches_.handshakeOn) + " ignored";
        }
    } else if (handshakeAnswered_) {
        handshakesInRow_ = 0;
        handshakeAnswered_ = false;
    }
    return std::nullopt;
}

int FaultPlan::lateness(const std::string& datagram) {
    if (!switches_.lateOnly.empty() && !MatchesAny(datagram, switches_.lateOnly)) {
        return 0;
    }
    return chance_.evenlyBetween(switches_.lateMinMs, switches_.lateMaxMs);
}

Decision FaultPlan::decide(const std::string& datagram,
                           const std::function<std::string()>& deviceAnswer) {
    // A datagram lost on its way never reached the device: it counts for nothing.
    if (chance_.happens(switches_.loss)) {
        return {std::nullopt, "lost on the way in"};
    }
    if (auto reason = silenceReason(datagram)) {
        return {std::nullopt, std::move(*reason)};
    }
    Reply reply;
    const bool refused = MatchesAny(datagram, switches_.refused);
    if (refused) {
        reply.text = "ERR";
    } else if (datagram == kHandshake && switches_.refuseHandshake) {
        reply.text = "NO";
    } else {
        reply.text = deviceAnswer();
        if (datagram == kSettings && switches_.shortSettings) {
            reply.text = FirstItems(reply.text, *switches_.shortSettings);
        }
    }
    if (datagram == kHandshake && reply.text.find("OK") != std::string::npos) {
        handshakeAnswered_ = true;
    }
    if (switches_.crlf) {
        reply.text += "\r\n";
    }
    reply.delayMs = lateness(datagram);
    reply.copies = switches_.duplicate ? 2 : 1;
    for (int copy = 0; copy < reply.copies; ++copy) {
        reply.lostCopies += chance_.happens(switches_.loss) ? 1 : 0;
    }
    return {std::move(reply), {}, refused};
}

} // namespace kelvra::sim
