#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra {

// Four bytes, first number first (network byte order); 0.0.0.0 stands for "none".
using Ipv4Bytes = std::array<std::uint8_t, 4>;

// "%d.%d.%d.%d".
std::string FormatIpv4(const Ipv4Bytes& address);

// Four dot-separated parts, each read by the integer text rule as 0 to 255
// (so "0x7F.0.0.1" and " 127.0.0.1" qualify); empty for any other text.
std::optional<Ipv4Bytes> ParseDottedQuad(std::string_view text);

} // namespace kelvra
