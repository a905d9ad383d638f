#include "kelvra-sim/Device.h"

#include <algorithm>
#include <string>

namespace kelvra::sim {

namespace {

constexpr std::string_view kAccepted = "OK";
constexpr std::string_view kIdentity = "KLV-DL200|FW2.4|SN20481";
constexpr std::array<int, 6> kMac{0x00, 0x04, 0xA3, 0x12, 0x34, 0x56};
// Positions 2 and 3 of the settings record: the present ambient temperature and
// humidity, which no command changes.
constexpr std::string_view kReadings = "23|48";
constexpr std::string_view kAddressPrefixes[] = {"CI", "CK", "CG", "CD", "CS"};
constexpr std::string_view kLimitQuantities = "THPFN"; // record order of the limits
constexpr std::string_view kLimitNames[] = {
    "ambient_high", "ambient_low",  "humidity_high", "humidity_low", "pressure_high",
    "pressure_low", "cabinet_high", "cabinet_low",   "near_high",    "near_low",
};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Plain decimal digits, at most nine of them.
std::optional<long long> Digits(std::string_view text) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// "<digits>F", "+<digits>F", "-0F" or "<digits>FN" (the magnitude of a negative
// value), as the data module's limit messages carry a value.
std::optional<long long> SignedValue(std::string_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == "FN") {
        const auto magnitude = Digits(text.substr(0, text.size() - 2));
        return magnitude ? std::optional<long long>(-*magnitude) : std::nullopt;
    }
    if (text.empty() || text.back() != 'F') {
        return std::nullopt;
    }
    text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto value = Digits(text);
    return value ? std::optional<long long>(negative ? -*value : *value) : std::nullopt;
}

// "<digits>F" within [low, high].
std::optional<int> RangedValue(std::string_view text, int low, int high) {
    if (text.empty() || text.back() != 'F') {
        return std::nullopt;
    }
    const auto value = Digits(text.substr(0, text.size() - 1));
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string DottedText(const std::array<int, 4>& octets) {
    return std::to_string(octets[0]) + "." + std::to_string(octets[1]) + "." +
           std::to_string(octets[2]) + "." + std::to_string(octets[3]);
}

std::string TwoDigits(int value) {
    std::string text = value < 10 ? "0" : "";
    text += std::to_string(value);
    return text;
}

} // namespace

Device::Device(DeviceProfile profile, HostTime hostNow) : profile_(profile), clock_(hostNow) {
    const auto add = [this](std::string_view prefix, std::string name, Octets octets) {
        addresses_.emplace(std::string(prefix), Address{octets, octets, false, std::move(name)});
    };
    add("CI", "device", {192, 168, 1, 200});
    add("CK", "mask", {255, 255, 255, 0});
    add("CG", "gateway", {192, 168, 1, 1});
    add("CD", "dns", {192, 168, 1, 1});
    add("CS", "server", {192, 168, 1, 100});
}

DeviceAnswer Device::answer(std::string_view command, HostTime hostNow) {
    if (auto value = read(command, hostNow)) {
        return {std::move(*value), {}, {}};
    }
    if (auto set = setClock(command, hostNow)) {
        return std::move(*set);
    }
    if (auto set = setLimit(command)) {
        return std::move(*set);
    }
    if (auto set = setAddress(command)) {
        return std::move(*set);
    }
    return {std::string(kRefused), {}, {}};
}

std::optional<std::string> Device::read(std::string_view command, HostTime hostNow) const {
    if (command == "COK") {
        return std::string(kAccepted);
    }
    if (command == "CAS") {
        return std::string(kIdentity);
    }
    if (command == "CPR") {
        return std::to_string(profile_.port);
    }
    if (command == "CMR") {
        std::string text;
        for (int byte : kMac) {
            if (profile_.macHex) {
                constexpr char kHex[] = "0123456789ABCDEF";
                text += kHex[byte >> 4];
                text += kHex[byte & 0x0F];
            } else {
                if (!text.empty()) {
                    text += '.';
                }
                text += std::to_string(byte);
            }
        }
        return text;
    }
    if (command == "CGR") {
        return addressText("CG");
    }
    if (command == "CKR") {
        return addressText("CK");
    }
    if (command == "CDR") {
        return addressText("CD");
    }
    if (command == "CSR") {
        return addressText("CS");
    }
    if (command == "CSS") {
        return settingsRecord(hostNow);
    }
    return std::nullopt;
}

Device::Address* Device::addressOf(std::string_view command) {
    for (std::string_view prefix : kAddressPrefixes) {
        if (StartsWith(command, prefix)) {
            return &addresses_.find(prefix)->second;
        }
    }
    return nullptr;
}

std::optional<DeviceAnswer> Device::setAddress(std::string_view command) {
    Address* address = addressOf(command);
    if (address == nullptr) {
        return std::nullopt;
    }
    const std::string prefix(command.substr(0, 2));
    const std::string_view rest = command.substr(prefix.size());
    if (rest == "I") {
        if (address->partRefused) {
            // Half an address is never taken: start again from the one in use.
            address->partRefused = false;
            address->pending = address->current;
            return DeviceAnswer{
                std::string(kRefused), prefix + " commit refused after a refused octet", {}};
        }
        const std::string old = DottedText(address->current);
        address->current = address->pending;
        const std::string now = DottedText(address->current);
        return DeviceAnswer{std::string(kAccepted), prefix + " address is now " + now,
                            StateChange{address->name, old, now}};
    }
    // "<n>S<part>F", or the bare "<n>S" for an empty part (taken as 0).
    if (rest.size() < 2 || rest[0] < '1' || rest[0] > '4' || rest[1] != 'S') {
        return std::nullopt;
    }
    if (rest[0] == '1') {
        address->partRefused = false; // a new address begins
    }
    const std::string_view part = rest.substr(2);
    const std::optional<int> octet = part.empty() ? 0 : RangedValue(part, 0, 255);
    if (!octet) {
        address->partRefused = true;
        return DeviceAnswer{std::string(kRefused), prefix + " octet refused", {}};
    }
    address->pending[static_cast<std::size_t>(rest[0] - '1')] = *octet;
    return DeviceAnswer{std::string(kAccepted), {}, {}};
}

void Device::refusedByFault(std::string_view command) {
    Address* address = addressOf(command);
    const std::string_view rest = command.substr(std::min<std::size_t>(command.size(), 2));
    if (address != nullptr && rest.size() >= 2 && rest[0] >= '1' && rest[0] <= '4' &&
        rest[1] == 'S') {
        address->partRefused = true;
    }
}

std::optional<DeviceAnswer> Device::setLimit(std::string_view command) {
    if (StartsWith(command, "CFVS")) {
        const auto value = SignedValue(command.substr(4));
        if (!value) {
            return std::nullopt;
        }
        const std::string old = std::to_string(calibration_);
        calibration_ = *value;
        const std::string now = std::to_string(*value);
        return DeviceAnswer{std::string(kAccepted), "calibration is now " + now,
                            StateChange{"calibration", old, now}};
    }
    if (command.size() < 4 || command[0] != 'C' || command[3] != 'S' ||
        (command[2] != 'H' && command[2] != 'L')) {
        return std::nullopt;
    }
    const std::size_t quantity = kLimitQuantities.find(command[1]);
    if (quantity == std::string_view::npos) {
        return std::nullopt;
    }
    const auto value = SignedValue(command.substr(4));
    if (!value) {
        return std::nullopt;
    }
    const std::size_t slot = quantity * 2 + (command[2] == 'L' ? 1 : 0);
    const std::string old = std::to_string(limits_[slot]);
    limits_[slot] = *value;
    const std::string now = std::to_string(*value);
    return DeviceAnswer{std::string(kAccepted),
                        std::string(command.substr(0, 4)) + " is now " + now,
                        StateChange{std::string(kLimitNames[slot]), old, now}};
}

std::optional<DeviceAnswer> Device::setClock(std::string_view command, HostTime hostNow) {
    struct Field {
        std::string_view command;
        int low;
        int high;
        int ClockFields::*part;
        int sentFrom; // what the sent value counts from
    };
    static constexpr Field kFields[] = {
        {"CDYS", 1, 31, &ClockFields::day, 0},     {"CMHS", 1, 12, &ClockFields::month, 0},
        {"CYRS", 0, 99, &ClockFields::year, 2000}, {"CWSS", 1, 7, nullptr, 0},
        {"CHRS", 0, 23, &ClockFields::hour, 0},    {"CMES", 0, 59, &ClockFields::minute, 0},
        {"CSDS", 0, 59, &ClockFields::second, 0},
    };
    for (const Field& field : kFields) {
        if (!StartsWith(command, field.command)) {
            continue;
        }
        const auto value = RangedValue(command.substr(4), field.low, field.high);
        if (!value) {
            return std::nullopt;
        }
        if (field.part == nullptr) {
            const std::string old = std::to_string(weekday_);
            weekday_ = *value; // the record carries no weekday; kept for the log
            return DeviceAnswer{std::string(kAccepted), "weekday is now " + std::to_string(*value),
                                StateChange{"weekday", old, std::to_string(*value)}};
        }
        const std::string old = clockText(hostNow);
        clock_.set(field.part, field.sentFrom + *value, hostNow);
        const std::string now = clockText(hostNow);
        return DeviceAnswer{std::string(kAccepted), "clock is now " + now,
                            StateChange{"clock", old, now}};
    }
    return std::nullopt;
}

std::string Device::clockText(HostTime hostNow) const {
    const ClockFields shown = clock_.at(hostNow);
    return TwoDigits(shown.hour) + ":" + TwoDigits(shown.minute) + ":" + TwoDigits(shown.second) +
           "|" + TwoDigits(shown.day) + "." + TwoDigits(shown.month) + "." +
           std::to_string(shown.year);
}

std::string Device::settingsRecord(HostTime hostNow) const {
    std::string record = clockText(hostNow) + "|" + std::string(kReadings);
    for (long long limit : limits_) {
        record += '|';
        record += std::to_string(limit);
    }
    return record;
}

std::string Device::addressText(std::string_view prefix) const {
    return DottedText(addresses_.find(prefix)->second.current);
}

} // namespace kelvra::sim
