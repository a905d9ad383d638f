#pragma once

#include "core/Ipv4Address.h"

#include <span>

namespace kelvra::net {

// True when the system's neighbour (ARP) table holds a learned hardware address
// for address. Only reads the table, so it adds no wait and sends nothing: an
// entry still being resolved, or one that failed, does not count.
bool HasLearnedHardwareAddress(const Ipv4Bytes& address);

// A table row's hardware address is a learned one: present and not all zeros,
// which is how wine lists an entry whose resolution failed.
bool IsLearnedHardwareAddress(std::span<const unsigned char> hardwareAddress);

} // namespace kelvra::net
