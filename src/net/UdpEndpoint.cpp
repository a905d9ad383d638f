#include "net/UdpEndpoint.h"

#include "core/Cp1254.h"
#include "core/Errors.h"
#include "net/Deadline.h"
#include "net/HostResolution.h"
#include "net/SocketAddress.h"

#include <thread>

#ifndef _WIN32
#include <cerrno>
#endif

namespace kelvra::net {

namespace {

#ifdef _WIN32
using SocketLength = int;
constexpr int kDontWait = 0; // Winsock has no per-call flag; reads follow a wait
using SocketHandle = SOCKET;
#else
using SocketLength = socklen_t;
constexpr int kDontWait = MSG_DONTWAIT; // a datagram with a bad checksum must not block
using SocketHandle = int;
#endif

SocketHandle Handle(NativeSocket socket) {
    return static_cast<SocketHandle>(socket);
}

// A switched-off device is ordinary, not a fault: where the system reports the
// ICMP port-unreachable of an earlier datagram on a later read (ECONNREFUSED on
// a connected BSD socket, WSAECONNRESET on Windows), the read counts as silence.
bool IsRefusedDestination(int code) {
#ifdef _WIN32
    return code == WSAECONNRESET;
#else
    return code == ECONNREFUSED;
#endif
}

// The wait said readable but the datagram is gone (a bad checksum, a signal).
bool IsNothingWaiting(int code) {
#ifdef _WIN32
    return code == WSAEWOULDBLOCK || code == WSAEINTR;
#else
    return code == EAGAIN || code == EWOULDBLOCK || code == EINTR;
#endif
}

// Windows fails a read into a buffer that is too short but fills the buffer.
bool IsTruncatedRead(int code) {
#ifdef _WIN32
    return code == WSAEMSGSIZE;
#else
    (void)code;
    return false;
#endif
}

} // namespace

UdpEndpoint::~UdpEndpoint() {
    close();
}

void UdpEndpoint::close() {
    if (isOpen()) {
        CloseSocket(socket_);
    }
    socket_ = kNoSocket;
    peer_.reset();
}

void UdpEndpoint::open() {
    if (isOpen()) {
        return;
    }
    const auto handle = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
#ifdef _WIN32
    if (handle == INVALID_SOCKET) {
        throw LastSocketFailure();
    }
#else
    if (handle < 0) {
        throw LastSocketFailure();
    }
#endif
    socket_ = static_cast<NativeSocket>(handle);
    peer_.reset();
}

void UdpEndpoint::send(const std::string& text) {
    if (host_.empty()) {
        // Sending to an empty host would go to 0.0.0.0, that is, to this PC.
        throw ESocketError("Host not set.");
    }
    open();
    const Ipv4Bytes address = ResolveEndpointHost(host_);
    if (!protocol::IsUdpPort(port_)) {
        throw InvalidArgumentFailure();
    }
    discardWaiting();

    const sockaddr_in destination = SocketAddress(address, static_cast<std::uint16_t>(port_));

    const std::string bytes = EncodeCp1254(text);
    const auto sent =
        ::sendto(Handle(socket_), bytes.data(), static_cast<int>(bytes.size()), 0,
                 reinterpret_cast<const sockaddr*>(&destination), sizeof(destination));
    if (sent < 0) {
        throw LastSocketFailure();
    }
    peer_ = address;
    if (static_cast<std::size_t>(sent) != bytes.size()) {
        throw ESocketError("Not all bytes sent.");
    }
}

std::string UdpEndpoint::receive(int timeoutMs) {
    open();
    const Deadline deadline = DeadlineIn(timeoutMs);
    if (!peer_) {
        // Nothing sent since opening: no datagram could be a reply, and the socket
        // has no local port yet.
        std::this_thread::sleep_until(deadline);
        return {};
    }
    for (;;) {
        if (!WaitReadable(socket_, MillisecondsLeft(deadline))) {
            return {};
        }
        const std::optional<Datagram> datagram = readDatagram();
        if (datagram && datagram->source == *peer_) {
            return DecodeCp1254(newestFromPeer(datagram->bytes));
        }
        // A refused destination or a stranger's datagram: go on waiting for what
        // is left of the time-out.
    }
}

std::string UdpEndpoint::newestFromPeer(std::string bytes) {
    // The protocol numbers no reply, so of several waiting only the newest can be the
    // answer to the last command: the others are a repeated copy or a reply that
    // came too late for the exchange before.
    while (WaitReadable(socket_, 0)) {
        try {
            const std::optional<Datagram> later = readDatagram();
            if (later && later->source == *peer_) {
                bytes = later->bytes;
            }
        } catch (const ESocketError&) {
            break; // a late error is no reason to lose the reply in hand
        }
    }
    return bytes;
}

std::uint16_t UdpEndpoint::localPort() const {
    if (!isOpen()) {
        return 0;
    }
    sockaddr_in local{};
    SocketLength length = sizeof(local);
    if (::getsockname(Handle(socket_), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

void UdpEndpoint::discardWaiting() {
    if (!peer_) {
        return; // nothing sent yet, so nothing can be waiting
    }
    while (WaitReadable(socket_, 0)) {
        try {
            readDatagram();
        } catch (const ESocketError&) {
            return; // a late error is no reason to refuse the next command
        }
    }
}

std::optional<UdpEndpoint::Datagram> UdpEndpoint::readDatagram() {
    // A longer datagram is cut to the buffer: its first 8192 bytes are the reply
    // (the system drops the rest), like any socket layer with this buffer.
    char buffer[kBufferSize];
    sockaddr_in source{};
    SocketLength sourceLength = sizeof(source);
    auto received = ::recvfrom(Handle(socket_), buffer, sizeof(buffer), kDontWait,
                               reinterpret_cast<sockaddr*>(&source), &sourceLength);
    if (received < 0) {
        const int code = LastSocketError();
        if (IsRefusedDestination(code) || IsNothingWaiting(code)) {
            return std::nullopt;
        }
        if (!IsTruncatedRead(code)) {
            throw SocketFailure(code);
        }
        received = sizeof(buffer);
    }
    Datagram datagram;
    datagram.bytes.assign(buffer, static_cast<std::size_t>(received));
    datagram.source =
        AddressBytes(reinterpret_cast<const sockaddr*>(&source)).value_or(Ipv4Bytes{});
    return datagram;
}

} // namespace kelvra::net
