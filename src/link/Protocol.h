#pragma once

// Every name, pause, time-out and size of the device protocol.

#include <string_view>

namespace kelvra::protocol {

// Pauses, in milliseconds.
inline constexpr int kConnectSettleMs = 900; // after reopening the endpoint
inline constexpr int kCommandPauseMs = 300;  // between send and receive, and after a reply

// Transport, in milliseconds and bytes.
inline constexpr int kReceiveTimeoutMs = 2000;
inline constexpr int kReceiveBufferBytes = 8192;

// Highest valid UDP port.
inline constexpr int kMaxPort = 65535;

// The one port range rule: the link checks the operator's text by it, the endpoint
// its own property.
inline constexpr bool IsUdpPort(long long port) {
    return port >= 0 && port <= kMaxPort;
}

// The handshake of the confirmed setting transaction: at most this many tries.
inline constexpr int kHandshakeTries = 10;

// Score of one confirmed setting: added on "OK", taken away otherwise.
inline constexpr int kTallyAccepted = 1;
inline constexpr int kTallyRefused = 10;

// Commands.
inline constexpr std::string_view kHandshake = "COK";
inline constexpr std::string_view kAccepted = "OK";
inline constexpr std::string_view kReadIdentity = "CAS";
inline constexpr std::string_view kReadPort = "CPR";
inline constexpr std::string_view kReadMac = "CMR";
inline constexpr std::string_view kReadGateway = "CGR";
inline constexpr std::string_view kReadMask = "CKR";
inline constexpr std::string_view kReadDns = "CDR";
inline constexpr std::string_view kReadSettings = "CSS";
inline constexpr std::string_view kReadServer = "CSR";

// Suffixes of a set command's value.
inline constexpr std::string_view kValueEnd = "F";
inline constexpr std::string_view kNegativeValueEnd = "FN";

// Record delimiters.
inline constexpr char kRecordDelimiter = '|';
inline constexpr char kDottedDelimiter = '.';

// The server port is never asked of the device.
inline constexpr std::string_view kServerPort = "8080";

} // namespace kelvra::protocol
