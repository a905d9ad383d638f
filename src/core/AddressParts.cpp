#include "core/AddressParts.h"

#include "core/Errors.h"
#include "core/IntegerText.h"

#include <cstdint>
#include <optional>

namespace kelvra {

namespace {

constexpr char kDot = '.';
constexpr std::size_t kGroupParts = 3;

std::optional<std::int32_t> PartValue(const std::string& part) {
    try {
        return StrToInt(part);
    } catch (const EConvertError&) {
        return std::nullopt; // such a part goes out as typed; the device judges it
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// One to three decimal digits of at most 255.
bool IsOctetText(std::string_view part) {
    if (part.empty() || part.size() > 3) {
        return false;
    }
    int value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

} // namespace

std::vector<std::string> AddressParts(std::string_view value) {
    std::vector<std::string> parts = SplitItems(kDot, value).value_or(std::vector<std::string>{});
    if (parts.size() < kAddressPartCount) {
        throw EStringListError(static_cast<long long>(parts.size()));
    }
    return parts;
}

std::vector<std::string> ProgrammableAddressParts(std::string_view value,
                                                  std::string_view caption) {
    AddressParts(value);
    // The raw text, not the split: a blank or a quote is no part of an octet.
    std::vector<std::string> octets;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = value.find(kDot, start);
        const std::string_view part = value.substr(start, dot - start);
        if (!IsOctetText(part) || octets.size() == kAddressPartCount) {
            throw EAddressError(caption, value);
        }
        octets.emplace_back(part);
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    if (octets.size() != kAddressPartCount) {
        throw EAddressError(caption, value);
    }
    return octets;
}

bool LastOctetIsZero(std::string_view value) {
    if (EndsWith(value, ".0")) {
        return true;
    }
    const auto parts = SplitItems(kDot, value);
    return parts && parts->size() >= kAddressPartCount &&
           PartValue((*parts)[kAddressPartCount - 1]) == 0;
}

bool FirstOctetIs127(std::string_view value) {
    if (StartsWith(value, "127")) {
        return true;
    }
    const auto parts = SplitItems(kDot, value);
    return parts && !parts->empty() && PartValue(parts->front()) == 127;
}

DeviceAddressRefusal RefuseAsDeviceAddress(std::string_view value) {
    if (LastOctetIsZero(value)) {
        return DeviceAddressRefusal::LastOctetZero;
    }
    return FirstOctetIs127(value) ? DeviceAddressRefusal::Loopback : DeviceAddressRefusal::None;
}

bool SameAddressGroup(const FieldList& pcParts, const FieldList& deviceParts) {
    for (std::size_t i = 0; i < kGroupParts; ++i) {
        const auto position = static_cast<long long>(i);
        const std::string& pc = pcParts[position];
        if (pc != deviceParts[position]) {
            return false;
        }
    }
    return true;
}

} // namespace kelvra
