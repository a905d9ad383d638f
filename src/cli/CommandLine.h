#pragma once

#include "cli/DeviceList.h"
#include "link/Operations.h"

#include <string>
#include <vector>

namespace kelvra::cli {

enum class CommandKind { Connect, Read, SetLimit, SetCalibration, SetClock, SetAddress };

// One address with the prefix of its commands and the caption of its box.
struct AddressSetting {
    std::string value;
    std::string prefix;
    std::string caption;
    bool operator==(const AddressSetting&) const = default;
};

struct Command {
    CommandKind kind = CommandKind::Connect;
    std::vector<LimitSetting> limits; // set-limit: high then low; set-calibration: one
    AddressSetting address;           // set-address
};

// Where devices come from, in the order given.
struct DeviceSource {
    bool isFile = false;
    std::string text; // a HOST[:PORT] or a file name
    bool operator==(const DeviceSource&) const = default;
};

struct CommandLine {
    bool help = false; // when set, nothing else was looked at
    bool json = false;
    std::vector<DeviceSource> sources;
    Command command;
};

// Reads the arguments after the program name. Options start with "--" wherever
// they stand, so a negative value such as -5 is an argument. Every value is
// checked here, so a command line that would fail on one device fails before
// anything is sent. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace kelvra::cli
