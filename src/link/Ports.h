#pragma once

// The seams the device link is built on. The real implementations live in net/,
// ui/ and cli/; the tests put fakes with virtual time in their place.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvra {

// One UDP endpoint towards one host and port. Texts are UTF-8; the endpoint
// encodes and decodes Windows-1254 on the wire.
class DatagramEndpoint {
public:
    virtual ~DatagramEndpoint() = default;

    virtual void close() = 0;
    virtual void open() = 0;
    virtual bool isOpen() const = 0;

    virtual void setHost(const std::string& host) = 0;
    virtual std::string host() const = 0;
    virtual void setPort(std::int32_t port) = 0;
    virtual std::int32_t port() const = 0;

    // One datagram, exactly the bytes of text. Opens the endpoint when closed.
    // Throws ESocketError; "Host not set." without a host, before anything goes
    // out (an empty host would mean this PC).
    virtual void send(const std::string& text) = 0;
    // The next reply from the host, or "" when none came within timeoutMs.
    // Throws ESocketError.
    virtual std::string receive(int timeoutMs) = 0;
};

// The operator's window during a device operation's waits: the link waits in
// slices of kWaitSliceMs and gives the listener a turn between them (WaitSlicer.h).
// A turn must not use the link.
inline constexpr int kWaitSliceMs = 10;

class WaitListener {
public:
    virtual ~WaitListener() = default;

    virtual void duringWait() = 0;
};

using TimePoint = std::chrono::system_clock::time_point;

// A local date and time split into its parts; weekday 1 is Monday, 7 Sunday.
struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;

    virtual TimePoint now() const = 0;
    // Blocks the calling thread for ms milliseconds (virtual time in tests).
    virtual void pause(int ms) = 0;
    // Milliseconds on a clock that never goes back, whatever the PC clock does;
    // waits are measured on it.
    virtual long long steadyMs() const = 0;
    // The system's long time format (hours, minutes, seconds; no date, no zone).
    virtual std::string longTimeText(TimePoint t) const = 0;
    // The system's short date format.
    virtual std::string shortDateText(TimePoint t) const = 0;
    virtual CalendarTime localTime(TimePoint t) const = 0;
};

// What the link needs of the operator's window.
class OperatorConsole {
public:
    virtual ~OperatorConsole() = default;

    virtual void appendLog(const std::string& line) = 0;
    virtual std::string deviceAddressText() const = 0;
    virtual std::string devicePortText() const = 0;
    // A modal information box; returns when the operator has closed it.
    virtual void showInformation(const std::string& text) = 0;
};

// The PC's own network: its address, the echo probe and the neighbour table.
class HostNetwork {
public:
    // What localIpText() gives instead of an address: the socket layer would not
    // start, the PC's name is unknown, or no IPv4 address was found for it.
    static constexpr std::string_view kErrorWinsock = "ERROR_WINSOCK";
    static constexpr std::string_view kErrorHostname = "ERROR_HOSTNAME";
    static constexpr std::string_view kErrorGethost = "ERROR_GETHOST";

    virtual ~HostNetwork() = default;

    // True and text set to the PC's first IPv4 address; false and text untouched.
    virtual bool localIp(std::string& text) = 0;
    // The same address, or one of the texts above.
    virtual std::string localIpText() = 0;
    // One echo request with a 100 ms time-out; true when anything answered.
    virtual bool ping(const std::string& text) = 0;
    // True when the system's neighbour table holds a hardware address learned for
    // text, as it does for a host that answered the ARP an echo set off even when
    // its firewall dropped the echo. Reads the table only: sends nothing, waits not.
    virtual bool hardwareAddressKnown(const std::string& text) = 0;
};

} // namespace kelvra
