#include "net/HostResolution.h"

#include "core/Errors.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
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

std::optional<Ipv4Bytes> LookUpHostName(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    std::optional<Ipv4Bytes> address;
    for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addr != nullptr) {
            const auto* inet = reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
            Ipv4Bytes bytes{};
            std::memcpy(bytes.data(), &inet->sin_addr, bytes.size());
            address = bytes;
            break;
        }
    }
    freeaddrinfo(found);
    return address;
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
