#include "net/SocketAddress.h"

#include <cstring>

namespace kelvra::net {

sockaddr_in SocketAddress(const Ipv4Bytes& address, std::uint16_t port) {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(port);
    std::memcpy(&socketAddress.sin_addr, address.data(), address.size());
    return socketAddress;
}

std::optional<Ipv4Bytes> AddressBytes(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET) {
        return std::nullopt;
    }
    sockaddr_in inet{};
    std::memcpy(&inet, address, sizeof(inet));
    Ipv4Bytes bytes{};
    std::memcpy(bytes.data(), &inet.sin_addr, bytes.size());
    return bytes;
}

bool IsLoopbackAddress(const Ipv4Bytes& address) {
    return address[0] == 127;
}

} // namespace kelvra::net
