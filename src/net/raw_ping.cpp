#include "net/raw_ping.h"

#include "net/HostResolution.h"
#include "net/SocketLayer.h"

#ifdef _WIN32
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on
#include <cstring>
#else
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kelvra::net {

namespace {

constexpr int kEchoTimeoutMs = 100;
constexpr int kReplyBufferBytes = 128;

} // namespace

std::array<std::uint8_t, 4> ResolveHostAddress(const std::string& name) {
    const SocketLayer layer;
    if (!layer.started()) {
        return {};
    }
    try {
        return LookUpHostName(name).value_or(Ipv4Bytes{});
    } catch (...) {
        return {}; // the caller is told nothing, whatever went wrong
    }
}

#ifdef _WIN32

bool PingHost(const std::string& text) {
    const HANDLE echo = IcmpCreateFile();
    if (echo == INVALID_HANDLE_VALUE) {
        return false;
    }
    const Ipv4Bytes address = ResolveHostAddress(text);
    IPAddr destination = 0;
    std::memcpy(&destination, address.data(), address.size());
    unsigned char replies[kReplyBufferBytes + sizeof(ICMP_ECHO_REPLY)] = {};
    const DWORD count = IcmpSendEcho(echo, destination, nullptr, 0, nullptr, replies,
                                     sizeof(replies), kEchoTimeoutMs);
    IcmpCloseHandle(echo);
    return count != 0;
}

#else

namespace {

constexpr std::size_t kEchoHeaderBytes = 8;
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;

// An echo socket and whether the kernel hands us bare ICMP (datagram kind) or
// ICMP behind its IP header (raw kind).
struct EchoSocket {
    int handle = -1;
    bool raw = false;

    EchoSocket() {
        // The unprivileged kind first; a raw socket needs CAP_NET_RAW.
        handle = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
        if (handle < 0) {
            handle = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
            raw = handle >= 0;
        }
    }
    ~EchoSocket() {
        if (handle >= 0) {
            ::close(handle);
        }
    }
    EchoSocket(const EchoSocket&) = delete;
    EchoSocket& operator=(const EchoSocket&) = delete;
};

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

// The ICMP message of a packet the raw socket read: past the IP header.
const std::uint8_t* IcmpPart(const std::uint8_t* packet, std::size_t length,
                             std::size_t& icmpLength) {
    if (length < 20) {
        return nullptr;
    }
    const std::size_t headerLength = static_cast<std::size_t>(packet[0] & 0x0F) * 4;
    if (headerLength < 20 || length < headerLength + kEchoHeaderBytes) {
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

} // namespace

bool PingHost(const std::string& text) {
    const EchoSocket echo;
    if (echo.handle < 0) {
        return false;
    }
    if (!echo.raw) {
        // Error reports (unreachable and the like) count as answers too; the
        // datagram kind only hands them over on its error queue.
        const int on = 1;
        ::setsockopt(echo.handle, IPPROTO_IP, IP_RECVERR, &on, sizeof(on));
    }
    const Ipv4Bytes address = ResolveHostAddress(text);

    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kEchoTimeoutMs);
    const auto id = static_cast<std::uint16_t>(::getpid());
    const auto sequence = static_cast<std::uint16_t>(deadline.time_since_epoch().count() & 0xFFFF);

    std::uint8_t request[kEchoHeaderBytes] = {kEchoRequest,
                                              0,
                                              0,
                                              0,
                                              static_cast<std::uint8_t>(id >> 8),
                                              static_cast<std::uint8_t>(id),
                                              static_cast<std::uint8_t>(sequence >> 8),
                                              static_cast<std::uint8_t>(sequence)};
    const std::uint16_t checksum = InternetChecksum(request, sizeof(request));
    request[2] = static_cast<std::uint8_t>(checksum >> 8);
    request[3] = static_cast<std::uint8_t>(checksum);

    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    std::memcpy(&destination.sin_addr, address.data(), address.size());
    if (::sendto(echo.handle, request, sizeof(request), 0,
                 reinterpret_cast<const sockaddr*>(&destination), sizeof(destination)) < 0) {
        return false;
    }

    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitReadable(echo.handle, static_cast<int>(left.count()))) {
            return false;
        }
        std::uint8_t packet[kReplyBufferBytes];
        const auto received = ::recv(echo.handle, packet, sizeof(packet), MSG_DONTWAIT);
        if (received < 0) {
            // The datagram kind reports an error message as a failed read.
            if (!echo.raw && errno != EAGAIN && errno != EINTR) {
                return true;
            }
            continue;
        }
        if (!echo.raw) {
            return true; // the kernel passes this socket only the replies to its own
        }
        std::size_t icmpLength = 0;
        const std::uint8_t* icmp = IcmpPart(packet, static_cast<std::size_t>(received), icmpLength);
        if (icmp != nullptr && AnswersOurRequest(icmp, icmpLength, id, sequence)) {
            return true;
        }
    }
}

#endif

} // namespace kelvra::net
