#pragma once

// Conversions between the four address bytes and the system's socket addresses,
// in one place for every part of net/.

#include "core/Ipv4Address.h"

#include <cstdint>
#include <optional>

#ifdef _WIN32
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on
#else
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace kelvra::net {

// An IPv4 socket address; port in host byte order.
sockaddr_in SocketAddress(const Ipv4Bytes& address, std::uint16_t port = 0);

// The bytes of an IPv4 socket address; empty for none and for any other family.
std::optional<Ipv4Bytes> AddressBytes(const sockaddr* address);

// 127.0.0.0/8: never a PC's address on the network.
bool IsLoopbackAddress(const Ipv4Bytes& address);

} // namespace kelvra::net
