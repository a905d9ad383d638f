#include "net/HostResolution.h"

#include "core/Errors.h"
#include "net/SocketAddress.h"
#include "net/SocketLayer.h"

#include <algorithm>
#include <cctype>

#ifndef _WIN32
#include <netdb.h>
#endif

namespace kelvra::net {

namespace {

constexpr Ipv4Bytes kLoopback{127, 0, 0, 1};

bool IsLocalhost(const std::string& host) {
    constexpr std::string_view kLocalhost = "localhost";
    return host.size() == kLocalhost.size() &&
           std::equal(host.begin(), host.end(), kLocalhost.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

} // namespace

std::vector<Ipv4Bytes> LookUpHostAddresses(const std::string& name) {
    const SocketLayer layer;
    if (!layer.started()) {
        return {};
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return {};
    }
    std::vector<Ipv4Bytes> addresses;
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        if (const auto bytes = AddressBytes(entry->ai_addr)) {
            addresses.push_back(*bytes);
        }
    }
    freeaddrinfo(found);
    return addresses;
}

std::optional<Ipv4Bytes> LookUpHostName(const std::string& name) {
    const std::vector<Ipv4Bytes> addresses = LookUpHostAddresses(name);
    if (addresses.empty()) {
        return std::nullopt;
    }
    return addresses.front();
}

Ipv4Bytes ResolveEndpointHost(const std::string& host) {
    if (IsLocalhost(host)) {
        return kLoopback;
    }
    if (const auto dotted = ParseDottedQuad(host)) {
        return *dotted;
    }
    // Every look-up that yields no address reads the same to the operator: also a
    // resolver that cannot be reached, since the name then does not resolve either.
    if (const auto named = LookUpHostName(host)) {
        return *named;
    }
    throw ESocketError("Host not found.");
}

} // namespace kelvra::net
