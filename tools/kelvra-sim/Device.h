#pragma once

// The simulated data logger's state and its command set: set commands change the
// state, read commands report it.

#include "kelvra-sim/DeviceClock.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra::sim {

struct DeviceProfile {
    std::uint16_t port = 10001; // what "CPR" reports
    bool macHex = false;        // "CMR" as "0004A3123456" instead of dotted decimal
};

// A setting the device took: its name, what it held before and what it holds now.
struct StateChange {
    std::string what; // ambient_high ... near_low, calibration, clock, weekday,
                      // device, mask, gateway, dns, server
    std::string oldValue;
    std::string newValue;
};

struct DeviceAnswer {
    std::string reply;
    std::string note; // a change of state worth a log line; empty for none
    std::optional<StateChange> change;
};

class Device {
public:
    // hostNow sets the clock going at the PC's local time.
    Device(DeviceProfile profile, HostTime hostNow);

    // The reply to one command: the value read, "OK" for an accepted setting,
    // "ERR" for anything else. hostNow is the PC's clock; the device's own clock
    // runs on from what the clock commands set.
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
        std::string name;         // in the journal
    };

    std::optional<std::string> read(std::string_view command, HostTime hostNow) const;
    std::optional<DeviceAnswer> setAddress(std::string_view command);
    Address* addressOf(std::string_view command);
    std::optional<DeviceAnswer> setLimit(std::string_view command);
    std::optional<DeviceAnswer> setClock(std::string_view command, HostTime hostNow);
    std::string settingsRecord(HostTime hostNow) const;
    std::string clockText(HostTime hostNow) const;
    std::string addressText(std::string_view prefix) const;

    DeviceProfile profile_;
    std::map<std::string, Address, std::less<>> addresses_;
    // Settings record positions 4 to 13: ambient, humidity, pressure, cabinet and
    // near, each high then low.
    std::array<long long, 10> limits_{35, 5, 80, 20, 1050, 950, 40, 10, 45, 15};
    long long calibration_ = 0;
    DeviceClock clock_;
    int weekday_ = 0; // as last set; 0 while never set
};

} // namespace kelvra::sim
