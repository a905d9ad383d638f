#include "net/EchoProbe.h"

#include "net/HostResolution.h"
#include "net/SocketAddress.h"
#include "net/SocketLayer.h"

#ifdef _WIN32
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on
#else
#include "net/Deadline.h"
#include "net/EchoSocket.h"

#include <cerrno>
#include <unistd.h>
#endif

namespace kelvra::net {

namespace {

constexpr int kEchoTimeoutMs = 100;
constexpr int kReplyBufferBytes = 128;

} // namespace

#ifdef _WIN32

bool PingHost(const std::string& text) {
    const HANDLE echo = IcmpCreateFile();
    if (echo == INVALID_HANDLE_VALUE) {
        return false;
    }
    const Ipv4Bytes address = LookUpHostName(text).value_or(Ipv4Bytes{});
    const IPAddr destination = SocketAddress(address).sin_addr.s_addr;
    unsigned char replies[kReplyBufferBytes + sizeof(ICMP_ECHO_REPLY)] = {};
    const DWORD count = IcmpSendEcho(echo, destination, nullptr, 0, nullptr, replies,
                                     sizeof(replies), kEchoTimeoutMs);
    IcmpCloseHandle(echo);
    return count != 0;
}

#else

namespace {

constexpr std::size_t kEchoHeaderBytes = 8;
constexpr std::size_t kMinIpHeaderBytes = 20;
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;

std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t length) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    }
    if (length % 2 != 0) {
        sum += static_cast<std::uint32_t>(data[length - 1] << 8);
    }
    while (sum >> 16 != 0) {
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum);
}

std::uint16_t ReadBigEndian16(const std::uint8_t* data) {
    return static_cast<std::uint16_t>(data[0] << 8 | data[1]);
}

// An echo request without data; the datagram kind puts its own identifier in.
std::array<std::uint8_t, kEchoHeaderBytes> EchoRequest(std::uint16_t id, std::uint16_t sequence) {
    std::array<std::uint8_t, kEchoHeaderBytes> request = {kEchoRequest,
                                                          0,
                                                          0,
                                                          0,
                                                          static_cast<std::uint8_t>(id >> 8),
                                                          static_cast<std::uint8_t>(id),
                                                          static_cast<std::uint8_t>(sequence >> 8),
                                                          static_cast<std::uint8_t>(sequence)};
    const std::uint16_t checksum = InternetChecksum(request.data(), request.size());
    request[2] = static_cast<std::uint8_t>(checksum >> 8);
    request[3] = static_cast<std::uint8_t>(checksum);
    return request;
}

// The ICMP message of an IP packet: past its header.
const std::uint8_t* IcmpPart(const std::uint8_t* packet, std::size_t length,
                             std::size_t& icmpLength) {
    if (length < kMinIpHeaderBytes) {
        return nullptr;
    }
    const std::size_t headerLength = static_cast<std::size_t>(packet[0] & 0x0F) * 4;
    if (headerLength < kMinIpHeaderBytes || length < headerLength + kEchoHeaderBytes) {
        return nullptr;
    }
    icmpLength = length - headerLength;
    return packet + headerLength;
}

// A raw socket sees every ICMP message of the host; ours is the echo reply with
// our identifier and sequence, or an error report that quotes our request.
bool AnswersOurRequest(const std::uint8_t* icmp, std::size_t length, std::uint16_t id,
                       std::uint16_t sequence) {
    const std::uint8_t type = icmp[0];
    if (type == kEchoReply) {
        return ReadBigEndian16(icmp + 4) == id && ReadBigEndian16(icmp + 6) == sequence;
    }
    if (type == kEchoRequest) {
        return false; // our own request, looped back
    }
    std::size_t quotedLength = 0;
    const std::uint8_t* quoted =
        IcmpPart(icmp + kEchoHeaderBytes, length - kEchoHeaderBytes, quotedLength);
    return quoted != nullptr && quoted[0] == kEchoRequest && ReadBigEndian16(quoted + 4) == id &&
           ReadBigEndian16(quoted + 6) == sequence;
}

// What one read from the echo socket says about our request.
enum class Heard { Nothing, Answer };

Heard ReadDatagramKind(int handle, std::uint16_t sequence) {
    std::uint8_t message[kReplyBufferBytes];
    const auto received = ::recv(handle, message, sizeof(message), MSG_DONTWAIT);
    if (received < 0) {
        // An error report for our identifier (the kernel matches it) arrives as a
        // failed read.
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? Heard::Nothing
                                                                         : Heard::Answer;
    }
    // The kernel hands this kind only the replies to its own identifier; the
    // sequence keeps out a late reply to an earlier probe that used it too.
    const bool ours = static_cast<std::size_t>(received) >= kEchoHeaderBytes &&
                      message[0] == kEchoReply && ReadBigEndian16(message + 6) == sequence;
    return ours ? Heard::Answer : Heard::Nothing;
}

Heard ReadRawKind(int handle, std::uint16_t id, std::uint16_t sequence) {
    std::uint8_t packet[kReplyBufferBytes];
    const auto received = ::recv(handle, packet, sizeof(packet), MSG_DONTWAIT);
    if (received < 0) {
        return Heard::Nothing;
    }
    std::size_t icmpLength = 0;
    const std::uint8_t* icmp = IcmpPart(packet, static_cast<std::size_t>(received), icmpLength);
    return icmp != nullptr && AnswersOurRequest(icmp, icmpLength, id, sequence) ? Heard::Answer
                                                                                : Heard::Nothing;
}

} // namespace

bool PingHost(const std::string& text) {
    const EchoSocket echo;
    if (echo.kind() == EchoSocketKind::None) {
        return false;
    }
    const Ipv4Bytes address = LookUpHostName(text).value_or(Ipv4Bytes{});

    const Deadline deadline = DeadlineIn(kEchoTimeoutMs);
    const auto id = static_cast<std::uint16_t>(::getpid());
    const auto sequence = static_cast<std::uint16_t>(deadline.time_since_epoch().count() & 0xFFFF);
    const auto request = EchoRequest(id, sequence);
    const sockaddr_in destination = SocketAddress(address);
    if (::sendto(echo.handle(), request.data(), request.size(), 0,
                 reinterpret_cast<const sockaddr*>(&destination), sizeof(destination)) < 0) {
        return false; // nothing went out, so nothing can answer
    }

    while (WaitReadable(echo.handle(), MillisecondsLeft(deadline))) {
        const Heard heard = echo.kind() == EchoSocketKind::Datagram
                                ? ReadDatagramKind(echo.handle(), sequence)
                                : ReadRawKind(echo.handle(), id, sequence);
        if (heard == Heard::Answer) {
            return true;
        }
    }
    return false;
}

#endif

} // namespace kelvra::net
