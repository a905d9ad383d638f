#pragma once

#include "core/Ipv4Address.h"
#include "link/Ports.h"
#include "link/Protocol.h"
#include "net/SocketLayer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvra::net {

// The device link's UDP endpoint: one IPv4 socket, never bound explicitly, with
// broadcast left disabled. Texts are UTF-8 here and Windows-1254 on the wire.
//
// Beyond a plain socket it keeps stray datagrams from posing as replies: every
// send first throws away whatever is already waiting, and only a datagram from
// the address the last datagram went to counts as a reply, the newest of those
// waiting at once.
class UdpEndpoint : public DatagramEndpoint {
public:
    static constexpr int kBufferSize = protocol::kReceiveBufferBytes;

    UdpEndpoint() = default;
    ~UdpEndpoint() override;
    UdpEndpoint(const UdpEndpoint&) = delete;
    UdpEndpoint& operator=(const UdpEndpoint&) = delete;

    void close() override;
    void open() override;
    bool isOpen() const override { return socket_ != kNoSocket; }

    void setHost(const std::string& host) override { host_ = host; }
    std::string host() const override { return host_; }
    void setPort(std::int32_t port) override { port_ = port; }
    std::int32_t port() const override { return port_; }

    void send(const std::string& text) override;
    std::string receive(int timeoutMs) override;

    // The port the system gave the socket at its first send; 0 before that and
    // while closed.
    std::uint16_t localPort() const;

private:
    struct Datagram {
        std::string bytes;
        Ipv4Bytes source{};
    };

    void discardWaiting();
    // bytes, or the newest datagram from the peer already waiting behind them.
    std::string newestFromPeer(std::string bytes);
    // One waiting datagram; empty when the read gave none (a refused destination
    // reported late, or a datagram that vanished).
    std::optional<Datagram> readDatagram();

    SocketLayer socketLayer_;
    NativeSocket socket_ = kNoSocket;
    std::string host_;
    std::int32_t port_ = 0;
    // Where the last datagram since opening went; the only source of a reply.
    std::optional<Ipv4Bytes> peer_;
};

} // namespace kelvra::net
