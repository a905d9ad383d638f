#pragma once

// The simulated device's one UDP socket, bound to a given address and port.

#include <cstdint>
#include <optional>
#include <string>

namespace kelvra::sim {

struct Peer {
    std::uint32_t address = 0; // network byte order
    std::uint16_t port = 0;    // host byte order

    std::string text() const; // "a.b.c.d:port"
};

struct Incoming {
    std::string bytes;
    Peer from;
};

class SimSocket {
public:
    // Throws std::runtime_error when the address is no IPv4 address or the bind fails.
    SimSocket(const std::string& bindAddress, std::uint16_t port);
    ~SimSocket();
    SimSocket(const SimSocket&) = delete;
    SimSocket& operator=(const SimSocket&) = delete;

    std::uint16_t localPort() const;

    // One datagram, waiting at most timeoutMs (forever when negative).
    std::optional<Incoming> receive(int timeoutMs);
    void sendTo(const std::string& bytes, const Peer& peer);

private:
    void closeHandle();

#ifdef _WIN32
    std::uintptr_t handle_;
#else
    int handle_ = -1;
#endif
};

} // namespace kelvra::sim
