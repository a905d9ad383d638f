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

} // namespace

std::vector<std::string> AddressParts(std::string_view value) {
    std::vector<std::string> parts = SplitItems(kDot, value).value_or(std::vector<std::string>{});
    if (parts.size() < kAddressPartCount) {
        throw EStringListError(static_cast<long long>(parts.size()));
    }
    return parts;
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
