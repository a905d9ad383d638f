#pragma once

#include "core/Ipv4Address.h"
#include "link/Ports.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra::net {

// The PC's own IPv4 address, or the token that names the step that failed.
struct LocalAddress {
    std::optional<Ipv4Bytes> address;
    std::string_view failureToken; // set only when address is empty
};

// The first IPv4 address of an interface that is up and not loopback. Only when
// the system will not list its interfaces does the look-up of the PC's host name
// stand in. A loopback address never counts: it would make the start-up walk
// probe 127.x.x.251 and downwards, which all answer. Without an address the
// token is HostNetwork::kErrorGethost.
LocalAddress FindLocalAddress();

// The PC's address on the way to host: the source address the system would give a
// datagram to host:port. Connecting a UDP socket only asks the routing table; no
// datagram goes out. Without an address the token is HostNetwork::kErrorGethost.
LocalAddress LocalAddressToward(const std::string& host, std::uint16_t port);

} // namespace kelvra::net
