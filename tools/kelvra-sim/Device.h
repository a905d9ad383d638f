#pragma once

// The simulated data logger's state and its command set: set commands change the
// state, read commands report it.

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra::sim {

using HostTime = std::chrono::system_clock::time_point;

struct DeviceProfile {
    std::uint16_t port = 10001; // what "CPR" reports
    bool macHex = false;        // "CMR" as "0004A3123456" instead of dotted decimal
};

struct DeviceAnswer {
    std::string reply;
    std::string note; // a change of state worth a log line; empty for none
};

class Device {
public:
    explicit Device(DeviceProfile profile);

    // The reply to one command: the value read, "OK" for an accepted setting,
    // "ERR" for anything else. hostNow is the PC's clock; the device's own clock
    // runs at an offset from it that the clock commands change.
    DeviceAnswer answer(std::string_view command, HostTime hostNow);

    static constexpr std::string_view kRefused = "ERR";

    // A command the fault switches answered "ERR" without the device seeing it:
    // a refused octet spoils its address's next commit all the same.
    void refusedByFault(std::string_view command);

private:
    using Octets = std::array<int, 4>;
    struct Address {
        Octets current{};
        Octets pending{};
        bool partRefused = false; // since the first octet; the commit is refused then
    };

    std::optional<std::string> read(std::string_view command, HostTime hostNow) const;
    std::optional<DeviceAnswer> setAddress(std::string_view command);
    Address* addressOf(std::string_view command);
    std::optional<DeviceAnswer> setLimit(std::string_view command);
    std::optional<DeviceAnswer> setClock(std::string_view command, HostTime hostNow);
    std::string settingsRecord(HostTime hostNow) const;
    std::string addressText(std::string_view prefix) const;

    DeviceProfile profile_;
    std::map<std::string, Address, std::less<>> addresses_;
    // Settings record positions 4 to 13: ambient, humidity, pressure, cabinet and
    // near, each high then low.
    std::array<long long, 10> limits_{35, 5, 80, 20, 1050, 950, 40, 10, 45, 15};
    long long calibration_ = 0;
    std::chrono::seconds clockOffset_{0};
    int weekday_ = 0; // as last set; 0 while never set
};

} // namespace kelvra::sim
