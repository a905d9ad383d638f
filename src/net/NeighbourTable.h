#pragma once

#include "core/Ipv4Address.h"

namespace kelvra::net {

// True when the system's neighbour (ARP) table holds a learned hardware address
// for address. Only reads the table, so it adds no wait and sends nothing: an
// entry still being resolved, or one that failed, does not count.
bool HasLearnedHardwareAddress(const Ipv4Bytes& address);

} // namespace kelvra::net
