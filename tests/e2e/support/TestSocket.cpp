#include "e2e/support/TestSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace kelvra::e2e {

namespace {

sockaddr_in LoopbackAddress(const std::string& address, std::uint16_t port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &result.sin_addr) != 1 ||
        (ntohl(result.sin_addr.s_addr) >> 24) != 127) {
        throw std::invalid_argument("test sockets stay on loopback: " + address);
    }
    return result;
}

} // namespace

TestSocket::TestSocket(const std::string& address) {
    const sockaddr_in local = LoopbackAddress(address, 0);
    handle_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (handle_ < 0 ||
        ::bind(handle_, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        if (handle_ >= 0) {
            ::close(handle_);
        }
        throw std::runtime_error("cannot bind a test socket to " + address);
    }
}

TestSocket::~TestSocket() {
    ::close(handle_);
}

std::uint16_t TestSocket::port() const {
    sockaddr_in local{};
    socklen_t length = sizeof(local);
    ::getsockname(handle_, reinterpret_cast<sockaddr*>(&local), &length);
    return ntohs(local.sin_port);
}

void TestSocket::sendTo(const std::string& bytes, const std::string& address, std::uint16_t port) {
    const sockaddr_in to = LoopbackAddress(address, port);
    ::sendto(handle_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
             sizeof(to));
}

std::optional<std::string> TestSocket::receive(int timeoutMs, std::uint16_t* fromPort) {
    pollfd entry{handle_, POLLIN, 0};
    if (::poll(&entry, 1, timeoutMs) <= 0) {
        return std::nullopt;
    }
    std::vector<char> buffer(65536);
    sockaddr_in from{};
    socklen_t length = sizeof(from);
    const ssize_t got = ::recvfrom(handle_, buffer.data(), buffer.size(), 0,
                                   reinterpret_cast<sockaddr*>(&from), &length);
    if (got < 0) {
        return std::nullopt;
    }
    if (fromPort != nullptr) {
        *fromPort = ntohs(from.sin_port);
    }
    return std::string(buffer.data(), static_cast<std::size_t>(got));
}

} // namespace kelvra::e2e
