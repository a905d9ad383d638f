#pragma once

// Every name, pause, time-out and size of the device protocol; the read commands are
// the readout table's.

#include <string_view>

namespace kelvra::protocol {

// Pauses, in milliseconds.
inline constexpr int kConnectSettleMs = 900; // after reopening the endpoint
inline constexpr int kCommandPauseMs = 300;  // between send and receive, and after a reply

// Transport, in milliseconds and bytes.
inline constexpr int kReceiveTimeoutMs = 2000;
inline constexpr int kReceiveBufferBytes = 8192;

// The device's port unless the operator says otherwise.
inline constexpr std::string_view kDefaultPortText = "10001";

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
// The read commands stand in the readout's table (ReadoutField.h), each beside the
// values its reply fills.

// Alarm limits: "C", the quantity's letter, "H" or "L", "S". The calibration value
// has one command for both of its boxes.
inline constexpr std::string_view kAmbientHigh = "CTHS";
inline constexpr std::string_view kAmbientLow = "CTLS";
inline constexpr std::string_view kHumidityHigh = "CHHS";
inline constexpr std::string_view kHumidityLow = "CHLS";
inline constexpr std::string_view kPressureHigh = "CPHS";
inline constexpr std::string_view kPressureLow = "CPLS";
inline constexpr std::string_view kCabinetHigh = "CFHS";
inline constexpr std::string_view kCabinetLow = "CFLS";
inline constexpr std::string_view kNearHigh = "CNHS";
inline constexpr std::string_view kNearLow = "CNLS";
inline constexpr std::string_view kCalibration = "CFVS";

// The device clock, in the order it is set.
inline constexpr std::string_view kSetDay = "CDYS";
inline constexpr std::string_view kSetMonth = "CMHS";
inline constexpr std::string_view kSetYear = "CYRS";
inline constexpr std::string_view kSetWeekday = "CWSS";
inline constexpr std::string_view kSetHour = "CHRS";
inline constexpr std::string_view kSetMinute = "CMES";
inline constexpr std::string_view kSetSecond = "CSDS";

// Addresses: prefix + n + "S" + part + "F" for the octets n = 1 to 4, then the bare
// prefix + "I" commits them.
inline constexpr std::string_view kDeviceAddress = "CI";
inline constexpr std::string_view kSubnetMask = "CK";
inline constexpr std::string_view kGateway = "CG";
inline constexpr std::string_view kDnsServer = "CD";
inline constexpr std::string_view kServerAddress = "CS";
inline constexpr std::string_view kOctetMark = "S";
inline constexpr std::string_view kCommitMark = "I";

// Suffixes of a set command's value.
inline constexpr std::string_view kValueEnd = "F";
inline constexpr std::string_view kNegativeValueEnd = "FN";

// Record delimiters.
inline constexpr char kRecordDelimiter = '|';
inline constexpr char kDottedDelimiter = '.';

// The server port is never asked of the device.
inline constexpr std::string_view kServerPort = "8080";

} // namespace kelvra::protocol
