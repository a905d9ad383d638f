#pragma once

#include "core/Ipv4Address.h"

#include <optional>
#include <string_view>

namespace kelvra::net {

// The PC's own IPv4 address, or the token that names the step that failed.
struct LocalAddress {
    std::optional<Ipv4Bytes> address;
    std::string_view failureToken; // set only when address is empty
};

inline constexpr std::string_view kErrorWinsock = "ERROR_WINSOCK";
inline constexpr std::string_view kErrorHostname = "ERROR_HOSTNAME";
inline constexpr std::string_view kErrorGethost = "ERROR_GETHOST";

// The first interface that is up, not loopback and has an IPv4 address; when
// there is none, the first address the look-up of the PC's host name lists.
LocalAddress FindLocalAddress();

} // namespace kelvra::net
