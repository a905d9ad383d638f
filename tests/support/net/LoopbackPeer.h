#pragma once

#include "net/SocketLayer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvra::test {

// A plain UDP socket bound to a loopback address, for playing a device or a
// stranger against the real endpoint. It never sends off loopback.
class LoopbackPeer {
public:
    explicit LoopbackPeer(const std::string& address = "127.0.0.1");
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t port() const;
    // One datagram within timeoutMs; answer() goes back to where it came from.
    std::optional<std::string> receive(int timeoutMs = 2000);
    void answer(const std::string& bytes);
    // To 127.0.0.1 at port.
    void sendTo(const std::string& bytes, std::uint16_t port);

private:
    net::SocketLayer layer_;
    net::NativeSocket socket_ = net::kNoSocket;
    std::uint16_t lastSender_ = 0;
};

} // namespace kelvra::test
