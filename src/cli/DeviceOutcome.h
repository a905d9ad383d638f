#pragma once

#include "link/DeviceReadout.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvra::cli {

// A setting whose value on the device is not the settings file's.
struct Difference {
    ReadoutField field;
    std::string deviceValue;
    std::string fileValue;
    bool operator==(const Difference&) const = default;
};

// What one device's run came to.
struct DeviceOutcome {
    std::string device; // HOST:PORT
    bool succeeded = false;
    // Why it failed, or what the device's answers were; may be empty.
    std::string reason;
    // The values a readout handed over, in the order they came.
    std::vector<std::pair<ReadoutField, std::string>> values;
    // diff and restore: the settings that differ from the file; a set- command's
    // read-back: those the device shows otherwise than sent.
    std::vector<Difference> differences = {};
    // What the differences' other values are: "file" or "sent".
    std::string_view comparedWith = "file";
    // Failed without a verdict: a write's reply missing, and no read-back that
    // could tell.
    bool unconfirmed = false;
    // apply: warnings for standard error, and whether the addresses went out, after
    // which the device wants a power cycle.
    std::vector<std::string> warnings = {};
    bool addressesSent = false;
};

inline constexpr std::string_view kNotAnswering = "not answering";
inline constexpr std::string_view kSent = "sent";

// Why a readout is not complete: no handshake, or the first read without a reply;
// "" for a complete one.
inline std::string ReadoutReason(const ReadoutResult& result) {
    if (!result.handshakeAnswered) {
        return std::string(kNotAnswering);
    }
    return result.unanswered.empty() ? std::string() : "no reply to " + result.unanswered;
}

} // namespace kelvra::cli
