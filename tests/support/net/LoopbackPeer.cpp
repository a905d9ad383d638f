#include "support/net/LoopbackPeer.h"

#include "core/Ipv4Address.h"
#include "net/SocketAddress.h"

#include <stdexcept>
#include <vector>

namespace kelvra::test {

namespace {

#ifdef _WIN32
using AddressLength = int;
#else
using AddressLength = socklen_t;
#endif

sockaddr_in LoopbackAddress(const std::string& address, std::uint16_t port) {
    const auto bytes = ParseDottedQuad(address);
    if (!bytes || !net::IsLoopbackAddress(*bytes)) {
        throw std::invalid_argument("test peers stay on loopback: " + address);
    }
    return net::SocketAddress(*bytes, port);
}

} // namespace

LoopbackPeer::LoopbackPeer(const std::string& address) {
    const sockaddr_in local = LoopbackAddress(address, 0);
    socket_ = static_cast<net::NativeSocket>(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (socket_ == net::kNoSocket ||
        ::bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        if (socket_ != net::kNoSocket) {
            net::CloseSocket(socket_);
        }
        throw std::runtime_error("cannot bind a test peer to " + address);
    }
}

LoopbackPeer::~LoopbackPeer() {
    net::CloseSocket(socket_);
}

std::uint16_t LoopbackPeer::port() const {
    sockaddr_in local{};
    AddressLength length = sizeof(local);
    ::getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length);
    return ntohs(local.sin_port);
}

std::optional<std::string> LoopbackPeer::receive(int timeoutMs) {
    if (!net::WaitReadable(socket_, timeoutMs)) {
        return std::nullopt;
    }
    std::vector<char> buffer(65536);
    sockaddr_in source{};
    AddressLength length = sizeof(source);
    const auto count = ::recvfrom(socket_, buffer.data(), static_cast<int>(buffer.size()), 0,
                                  reinterpret_cast<sockaddr*>(&source), &length);
    if (count < 0) {
        return std::nullopt;
    }
    lastSender_ = ntohs(source.sin_port);
    return std::string(buffer.data(), static_cast<std::size_t>(count));
}

void LoopbackPeer::answer(const std::string& bytes) {
    sendTo(bytes, lastSender_);
}

void LoopbackPeer::sendTo(const std::string& bytes, std::uint16_t port) {
    const sockaddr_in destination = LoopbackAddress("127.0.0.1", port);
    ::sendto(socket_, bytes.data(), static_cast<int>(bytes.size()), 0,
             reinterpret_cast<const sockaddr*>(&destination), sizeof(destination));
}

} // namespace kelvra::test
