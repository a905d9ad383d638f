#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvra::e2e {

// A plain UDP socket bound to a loopback address, for playing a device or a
// stranger against the endpoint.
class TestSocket {
public:
    explicit TestSocket(const std::string& address = "127.0.0.1");
    ~TestSocket();
    TestSocket(const TestSocket&) = delete;
    TestSocket& operator=(const TestSocket&) = delete;

    std::uint16_t port() const;
    void sendTo(const std::string& bytes, const std::string& address, std::uint16_t port);
    // One datagram within timeoutMs, with the port it came from.
    std::optional<std::string> receive(int timeoutMs, std::uint16_t* fromPort = nullptr);

private:
    int handle_ = -1;
};

} // namespace kelvra::e2e
