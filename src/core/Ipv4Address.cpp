#include "core/Ipv4Address.h"

#include "core/Errors.h"
#include "core/IntegerText.h"

#include <cstddef>

namespace kelvra {

std::string FormatIpv4(const Ipv4Bytes& address) {
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
           std::to_string(address[2]) + "." + std::to_string(address[3]);
}

std::optional<Ipv4Bytes> ParseDottedQuad(std::string_view text) {
    Ipv4Bytes address{};
    std::size_t start = 0;
    for (std::size_t part = 0; part < address.size(); ++part) {
        const std::size_t dot = text.find('.', start);
        const bool last = part + 1 == address.size();
        if (last != (dot == std::string_view::npos)) {
            return std::nullopt; // fewer or more than four parts
        }
        const std::string_view piece = text.substr(start, last ? text.size() - start : dot - start);
        std::int32_t value = 0;
        try {
            value = StrToInt(piece);
        } catch (const EConvertError&) {
            return std::nullopt;
        }
        if (value < 0 || value > 255) {
            return std::nullopt;
        }
        address[part] = static_cast<std::uint8_t>(value);
        start = dot + 1;
    }
    return address;
}

} // namespace kelvra
