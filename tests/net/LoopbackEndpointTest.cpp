// The real endpoint against a plain socket on loopback, the same on every
// system: the Winsock branches are tested here when the suite runs under wine.

#include "core/Cp1254.h"
#include "net/SocketLayer.h"
#include "net/UdpEndpoint.h"

#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace kelvra::net {
namespace {

#ifdef _WIN32
using AddressLength = int;
#else
using AddressLength = socklen_t;
#endif

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A device stand-in: a UDP socket bound to 127.0.0.1 that answers from the port
// the endpoint's datagram came from.
class LoopbackPeer {
public:
    LoopbackPeer() {
        socket_ = static_cast<NativeSocket>(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
        sockaddr_in address = Loopback(0);
        ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        AddressLength length = sizeof(address);
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackPeer() { CloseSocket(socket_); }
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t port() const { return port_; }

    // The bytes of one datagram, remembering where it came from.
    std::optional<std::string> receive(int timeoutMs = 2000) {
        if (!WaitReadable(socket_, timeoutMs)) {
            return std::nullopt;
        }
        char buffer[1024];
        sockaddr_in source{};
        AddressLength length = sizeof(source);
        const auto count = ::recvfrom(socket_, buffer, sizeof(buffer), 0,
                                      reinterpret_cast<sockaddr*>(&source), &length);
        if (count < 0) {
            return std::nullopt;
        }
        lastSender_ = ntohs(source.sin_port);
        return std::string(buffer, static_cast<std::size_t>(count));
    }

    void answer(const std::string& bytes) {
        const sockaddr_in destination = Loopback(lastSender_);
        ::sendto(socket_, bytes.data(), static_cast<int>(bytes.size()), 0,
                 reinterpret_cast<const sockaddr*>(&destination), sizeof(destination));
    }

private:
    SocketLayer layer_;
    NativeSocket socket_ = kNoSocket;
    std::uint16_t port_ = 0;
    std::uint16_t lastSender_ = 0;
};

// Commands and replies as the operator types and reads them; Windows-1254 bytes
// on the wire.
class WireText : public ::testing::TestWithParam<const char*> {};

TEST_P(WireText, TravelsAsWindows1254BothWays) {
    LoopbackPeer peer;
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(peer.port());
    const std::string text = GetParam();
    endpoint.send(text);
    EXPECT_EQ(peer.receive(), EncodeCp1254(text));
    peer.answer(EncodeCp1254(text));
    EXPECT_EQ(endpoint.receive(2000), text);
}

INSTANTIATE_TEST_SUITE_P(Texts, WireText,
                         ::testing::Values("CAS", "OK\r\n", "Ağ Geçidi ışığı Şİ", "€ ‰ Ğ"));

TEST(LoopbackEndpoint, ReadsSilenceAsAnEmptyReply) {
    LoopbackPeer peer;
    UdpEndpoint endpoint;
    endpoint.setHost("localhost");
    endpoint.setPort(peer.port());
    endpoint.send("COK");
    EXPECT_TRUE(peer.receive().has_value());
    EXPECT_EQ(endpoint.receive(50), "");
}

// A reply that came too late for the exchange before, then the one for this
// command: the newest waiting is the answer.
TEST(LoopbackEndpoint, TakesTheNewestOfTheRepliesWaiting) {
    LoopbackPeer peer;
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(peer.port());
    endpoint.send("CGR");
    ASSERT_TRUE(peer.receive().has_value());
    peer.answer("KLV-2000");
    peer.answer("192.168.1.1");
    EXPECT_EQ(endpoint.receive(2000), "192.168.1.1");
}

TEST(LoopbackEndpoint, ReadsARefusedDestinationAsSilence) {
    std::uint16_t closedPort = 0;
    {
        const LoopbackPeer gone;
        closedPort = gone.port();
    }
    UdpEndpoint endpoint;
    endpoint.setHost("127.0.0.1");
    endpoint.setPort(closedPort);
    endpoint.send("COK");
    EXPECT_EQ(endpoint.receive(200), "");
    EXPECT_NO_THROW(endpoint.send("COK")) << "the late refusal must not fail the next command";
}

} // namespace
} // namespace kelvra::net
