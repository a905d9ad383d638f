#pragma once

#include "core/Ipv4Address.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvra::net {

// Every IPv4 address a name look-up gives, in its order (a dotted text resolves
// to itself); empty when there is none or the look-up fails, the socket layer's
// start included. Never throws.
std::vector<Ipv4Bytes> LookUpHostAddresses(const std::string& name);

// The first of them; empty when there is none.
std::optional<Ipv4Bytes> LookUpHostName(const std::string& name);

// The endpoint's host text rules, applied anew for every datagram: "LOCALHOST" in
// any letter case, then a dotted quad read by the integer text rule, then a name
// look-up. Throws ESocketError("Host not found.") when the look-up gives nothing.
Ipv4Bytes ResolveEndpointHost(const std::string& host);

} // namespace kelvra::net
