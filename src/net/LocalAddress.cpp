#include "net/LocalAddress.h"

#include "net/HostResolution.h"
#include "net/SocketAddress.h"
#include "net/SocketLayer.h"

#include <array>
#include <vector>

#ifdef _WIN32
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
// clang-format on
#else
#include <ifaddrs.h>
#include <net/if.h>
#include <unistd.h>
#endif

namespace kelvra::net {

namespace {

constexpr std::size_t kHostNameBytes = 256;

// What the interface walk found: the address, none, or no list to walk.
struct InterfaceWalk {
    bool listed = false;
    std::optional<Ipv4Bytes> address;
};

std::optional<Ipv4Bytes> UsableAddress(const sockaddr* address) {
    const auto bytes = AddressBytes(address);
    if (!bytes || IsLoopbackAddress(*bytes)) {
        return std::nullopt;
    }
    return bytes;
}

#ifdef _WIN32

InterfaceWalk FirstInterfaceAddress() {
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer(size);
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG result = GetAdaptersAddresses(
        AF_INET, flags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    if (result == ERROR_BUFFER_OVERFLOW) {
        buffer.resize(size);
        result = GetAdaptersAddresses(
            AF_INET, flags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result == ERROR_NO_DATA) {
        return {true, std::nullopt}; // no adapter with an IPv4 address
    }
    if (result != NO_ERROR) {
        return {};
    }
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK) {
            continue;
        }
        for (auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
             unicast = unicast->Next) {
            if (const auto bytes = UsableAddress(unicast->Address.lpSockaddr)) {
                return {true, bytes};
            }
        }
    }
    return {true, std::nullopt};
}

#else

InterfaceWalk FirstInterfaceAddress() {
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0) {
        return {};
    }
    InterfaceWalk walk{true, std::nullopt};
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        const bool usable =
            (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0;
        if (usable) {
            walk.address = UsableAddress(entry->ifa_addr);
            if (walk.address) {
                break;
            }
        }
    }
    ::freeifaddrs(interfaces);
    return walk;
}

#endif

#ifdef _WIN32
using SocketLength = int;
#else
using SocketLength = socklen_t;
#endif

// The source address of a UDP socket connected to target.
std::optional<Ipv4Bytes> SourceAddressToward(const Ipv4Bytes& target, std::uint16_t port) {
    const auto handle = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const auto socket = static_cast<NativeSocket>(handle);
    if (socket == kNoSocket) {
        return std::nullopt;
    }
    const sockaddr_in to = SocketAddress(target, port);
    sockaddr_in from{};
    SocketLength length = sizeof(from);
    std::optional<Ipv4Bytes> address;
    if (::connect(handle, reinterpret_cast<const sockaddr*>(&to), sizeof(to)) == 0 &&
        ::getsockname(handle, reinterpret_cast<sockaddr*>(&from), &length) == 0) {
        address = AddressBytes(reinterpret_cast<const sockaddr*>(&from));
    }
    CloseSocket(socket);
    return address;
}

} // namespace

LocalAddress LocalAddressToward(const std::string& host, std::uint16_t port) {
    const SocketLayer layer;
    if (!layer.started()) {
        return {std::nullopt, HostNetwork::kErrorWinsock};
    }
    std::optional<Ipv4Bytes> address;
    try {
        // The host as the endpoint reads it, so the address is the link's own.
        address = SourceAddressToward(ResolveEndpointHost(host), port);
    } catch (const ESocketError&) {
        // not found: no address either
    }
    if (!address || *address == Ipv4Bytes{}) {
        return {std::nullopt, HostNetwork::kErrorGethost};
    }
    return {address, {}};
}

LocalAddress FindLocalAddress() {
    const SocketLayer layer;
    if (!layer.started()) {
        return {std::nullopt, HostNetwork::kErrorWinsock};
    }
    const InterfaceWalk walk = FirstInterfaceAddress();
    if (walk.address) {
        return {walk.address, {}};
    }
    if (walk.listed) {
        // The list is the truth: a name the hosts file maps to some address does
        // not give a PC without a network an address on it.
        return {std::nullopt, HostNetwork::kErrorGethost};
    }
    std::array<char, kHostNameBytes> hostName{};
    if (::gethostname(hostName.data(), static_cast<int>(hostName.size() - 1)) != 0) {
        return {std::nullopt, HostNetwork::kErrorHostname};
    }
    for (const Ipv4Bytes& address : LookUpHostAddresses(hostName.data())) {
        if (!IsLoopbackAddress(address)) {
            return {address, {}};
        }
    }
    return {std::nullopt, HostNetwork::kErrorGethost};
}

} // namespace kelvra::net
