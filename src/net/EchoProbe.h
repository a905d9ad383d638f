#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvra::net {

// The first IPv4 address of a host name or dotted text; 0.0.0.0 when it does
// not resolve. Never throws.
std::array<std::uint8_t, 4> ResolveHostAddress(const std::string& name);

// One ICMP echo request to text with a 100 ms time-out; true when anything came
// back for it, an error report included. False when no echo socket can be opened.
bool PingHost(const std::string& text);

} // namespace kelvra::net
