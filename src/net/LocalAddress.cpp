#include "net/LocalAddress.h"

#include "net/HostResolution.h"
#include "net/SocketLayer.h"

#include <array>
#include <cstring>
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
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kelvra::net {

namespace {

constexpr std::size_t kHostNameBytes = 256;

#ifdef _WIN32

std::optional<Ipv4Bytes> FirstInterfaceAddress() {
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer(size);
    auto* adapters = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    if (GetAdaptersAddresses(AF_INET, flags, nullptr, adapters, &size) == ERROR_BUFFER_OVERFLOW) {
        buffer.resize(size);
        adapters = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    }
    if (GetAdaptersAddresses(AF_INET, flags, nullptr, adapters, &size) != NO_ERROR) {
        return std::nullopt;
    }
    for (auto* adapter = adapters; adapter != nullptr; adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK) {
            continue;
        }
        for (auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
             unicast = unicast->Next) {
            const sockaddr* address = unicast->Address.lpSockaddr;
            if (address != nullptr && address->sa_family == AF_INET) {
                Ipv4Bytes bytes{};
                std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in*>(address)->sin_addr,
                            bytes.size());
                return bytes;
            }
        }
    }
    return std::nullopt;
}

#else

std::optional<Ipv4Bytes> FirstInterfaceAddress() {
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0) {
        return std::nullopt;
    }
    std::optional<Ipv4Bytes> found;
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        const bool usable =
            (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0;
        if (usable && entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET) {
            Ipv4Bytes bytes{};
            std::memcpy(bytes.data(),
                        &reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr,
                        bytes.size());
            found = bytes;
            break;
        }
    }
    ::freeifaddrs(interfaces);
    return found;
}

#endif

} // namespace

LocalAddress FindLocalAddress() {
    const SocketLayer layer;
    if (!layer.started()) {
        return {std::nullopt, kErrorWinsock};
    }
    if (const auto address = FirstInterfaceAddress()) {
        return {address, {}};
    }
    std::array<char, kHostNameBytes> hostName{};
    if (::gethostname(hostName.data(), static_cast<int>(hostName.size() - 1)) != 0) {
        return {std::nullopt, kErrorHostname};
    }
    if (const auto address = LookUpHostName(hostName.data())) {
        return {address, {}};
    }
    return {std::nullopt, kErrorGethost};
}

} // namespace kelvra::net
