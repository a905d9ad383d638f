#include "kelvra-sim/SimSocket.h"

#include <cstring>
#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kelvra::sim {

namespace {

// Larger than any datagram, so the sim sees every byte it is sent.
constexpr std::size_t kReceiveBytes = 65536;

#ifdef _WIN32
using Length = int;
SOCKET Native(std::uintptr_t handle) {
    return static_cast<SOCKET>(handle);
}
int Wait(SOCKET handle, int timeoutMs) {
    WSAPOLLFD entry{handle, POLLRDNORM, 0};
    return WSAPoll(&entry, 1, timeoutMs);
}
std::string LastError() {
    return "socket error " + std::to_string(WSAGetLastError());
}
#else
using Length = socklen_t;
int Native(int handle) {
    return handle;
}
int Wait(int handle, int timeoutMs) {
    pollfd entry{handle, POLLIN, 0};
    return ::poll(&entry, 1, timeoutMs);
}
std::string LastError() {
    return std::strerror(errno);
}
#endif

} // namespace

std::string Peer::text() const {
    unsigned char bytes[4];
    std::memcpy(bytes, &address, sizeof(bytes));
    return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
           std::to_string(bytes[2]) + "." + std::to_string(bytes[3]) + ":" + std::to_string(port);
}

SimSocket::SimSocket(const std::string& bindAddress, std::uint16_t port) {
#ifdef _WIN32
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        throw std::runtime_error("cannot start the socket layer");
    }
#endif
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (inet_pton(AF_INET, bindAddress.c_str(), &local.sin_addr) != 1) {
        throw std::runtime_error("not an IPv4 address: " + bindAddress);
    }
    const auto handle = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
#ifdef _WIN32
    if (handle == INVALID_SOCKET) {
        const std::string reason = LastError();
        WSACleanup();
        throw std::runtime_error("cannot open a socket: " + reason);
    }
    handle_ = static_cast<std::uintptr_t>(handle);
#else
    if (handle < 0) {
        throw std::runtime_error("cannot open a socket: " + LastError());
    }
    handle_ = handle;
#endif
    if (::bind(Native(handle_), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        const std::string reason = LastError();
        closeHandle();
        throw std::runtime_error("cannot bind " + bindAddress + ":" + std::to_string(port) + ": " +
                                 reason);
    }
}

SimSocket::~SimSocket() {
    closeHandle();
}

void SimSocket::closeHandle() {
#ifdef _WIN32
    closesocket(Native(handle_));
    WSACleanup();
#else
    ::close(handle_);
#endif
}

std::uint16_t SimSocket::localPort() const {
    sockaddr_in local{};
    Length length = sizeof(local);
    ::getsockname(Native(handle_), reinterpret_cast<sockaddr*>(&local), &length);
    return ntohs(local.sin_port);
}

std::optional<Incoming> SimSocket::receive(int timeoutMs) {
    if (Wait(Native(handle_), timeoutMs) <= 0) {
        return std::nullopt;
    }
    std::vector<char> buffer(kReceiveBytes);
    sockaddr_in source{};
    Length sourceLength = sizeof(source);
    const auto received =
        ::recvfrom(Native(handle_), buffer.data(), static_cast<int>(buffer.size()), 0,
                   reinterpret_cast<sockaddr*>(&source), &sourceLength);
    if (received < 0) {
        return std::nullopt; // e.g. a peer's port-unreachable report; nothing to answer
    }
    Incoming incoming;
    incoming.bytes.assign(buffer.data(), static_cast<std::size_t>(received));
    incoming.from.address = source.sin_addr.s_addr;
    incoming.from.port = ntohs(source.sin_port);
    return incoming;
}

void SimSocket::sendTo(const std::string& bytes, const Peer& peer) {
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(peer.port);
    destination.sin_addr.s_addr = peer.address;
    ::sendto(Native(handle_), bytes.data(), static_cast<int>(bytes.size()), 0,
             reinterpret_cast<const sockaddr*>(&destination), sizeof(destination));
}

} // namespace kelvra::sim
