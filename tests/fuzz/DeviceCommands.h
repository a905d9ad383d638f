#pragma once

// The commands a data logger can be sent, as a pure predicate over one datagram.
// Spelled here apart from link/Protocol.h and the callers' tables, so that a wrong
// name or shape there shows up as a finding rather than agreeing with itself; the
// read commands are the readout table's, which the simulator's own list checks.

#include "core/Errors.h"
#include "core/IntegerText.h"
#include "link/ReadoutField.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace kelvra::fuzz {

// A decimal number without sign or leading zero ("0" itself allowed) within lo..hi.
inline bool IsPlainDecimal(std::string_view text, std::int64_t lo, std::int64_t hi) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of("0123456789") != std::string_view::npos ||
        (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value >= lo && value <= hi;
}

inline bool StartsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

// Handshake and the reads.
inline bool IsFixedCommand(std::string_view datagram) {
    constexpr auto kReads = ReadCommands();
    return datagram == "COK" || std::find(kReads.begin(), kReads.end(), datagram) != kReads.end();
}

// A limit or the calibration value: the value as typed (0 or more, in decimal) and
// "F", or the magnitude of a negative value and "FN".
inline bool IsLimitCommand(std::string_view datagram) {
    constexpr std::array<std::string_view, 11> kLimits = {
        "CTHS", "CTLS", "CHHS", "CHLS", "CPHS", "CPLS", "CFHS", "CFLS", "CNHS", "CNLS", "CFVS"};
    if (datagram.size() < 4 ||
        std::find(kLimits.begin(), kLimits.end(), datagram.substr(0, 4)) == kLimits.end()) {
        return false;
    }
    const std::string_view rest = datagram.substr(4);
    if (rest.size() > 2 && rest.substr(rest.size() - 2) == "FN") {
        return IsPlainDecimal(rest.substr(0, rest.size() - 2), 1, 2147483648LL);
    }
    if (rest.size() < 2 || rest.back() != 'F') {
        return false;
    }
    const std::string_view value = rest.substr(0, rest.size() - 1);
    try {
        return !IsHexadecimalIntegerText(value) && StrToInt(value) >= 0;
    } catch (const EConvertError&) {
        return false;
    }
}

// One octet of an address ("CI1S192F", "CI3S01F": one to three digits of at most
// 255), or the address's commit ("CII").
inline bool IsAddressCommand(std::string_view datagram) {
    constexpr std::array<std::string_view, 5> kPrefixes = {"CI", "CK", "CG", "CD", "CS"};
    if (datagram.size() < 3 ||
        std::find(kPrefixes.begin(), kPrefixes.end(), datagram.substr(0, 2)) == kPrefixes.end()) {
        return false;
    }
    if (datagram.size() == 3) {
        return datagram[2] == 'I';
    }
    if (datagram[2] < '1' || datagram[2] > '4' || datagram[3] != 'S') {
        return false;
    }
    const std::string_view part = datagram.substr(4);
    if (part.size() < 2 || part.size() > 4 || part.back() != 'F') {
        return false;
    }
    const std::string_view octet = part.substr(0, part.size() - 1);
    return octet.find_first_not_of("0123456789") == std::string_view::npos &&
           std::stoi(std::string(octet)) <= 255;
}

// One part of the device clock: day, month, two-digit year, weekday (Monday 1),
// hour, minute, second; numbers without leading zeros, the year always two digits.
inline bool IsClockCommand(std::string_view datagram) {
    struct Part {
        std::string_view command;
        int lo;
        int hi;
    };
    constexpr std::array<Part, 6> kParts = {{{"CDYS", 1, 31},
                                             {"CMHS", 1, 12},
                                             {"CWSS", 1, 7},
                                             {"CHRS", 0, 23},
                                             {"CMES", 0, 59},
                                             {"CSDS", 0, 59}}};
    if (datagram.size() < 6 || datagram.back() != 'F') {
        return false;
    }
    const std::string_view value = datagram.substr(4, datagram.size() - 5);
    if (StartsWith(datagram, "CYRS")) {
        return value.size() == 2 && value.find_first_not_of("0123456789") == std::string_view::npos;
    }
    for (const Part& part : kParts) {
        if (StartsWith(datagram, part.command)) {
            return IsPlainDecimal(value, part.lo, part.hi);
        }
    }
    return false;
}

inline bool IsDeviceCommand(std::string_view datagram) {
    return IsFixedCommand(datagram) || IsLimitCommand(datagram) || IsAddressCommand(datagram) ||
           IsClockCommand(datagram);
}

// A command that the confirmed setting transaction sends after its handshake.
inline bool IsSetCommand(std::string_view datagram) {
    return IsAddressCommand(datagram) || IsClockCommand(datagram);
}

} // namespace kelvra::fuzz
