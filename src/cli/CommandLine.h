#pragma once

#include "cli/DeviceList.h"
#include "cli/ScanRange.h"
#include "cli/SettingsFile.h"
#include "link/NetworkApply.h"
#include "link/Operations.h"
#include "link/Protocol.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

enum class CommandKind {
    Connect,
    Read,
    SetLimit,
    SetCalibration,
    SetClock,
    SetAddress,
    Apply,
    Scan,
    Diff,
    Restore,
};

// A command's name, kind and arguments.
struct CommandForm {
    std::string_view name;
    CommandKind kind;
    std::size_t argumentCount;
    std::string_view arguments; // as the usage names them
};

// Every command, in the order the help text lists them.
std::span<const CommandForm> CommandForms();

struct Command {
    CommandKind kind = CommandKind::Connect;
    std::vector<LimitSetting> limits; // set-limit: high then low; set-calibration: one
    AddressSetting address;           // set-address
    NetworkSettings network;          // apply
    ScanRange range;                  // scan
    std::string portText{protocol::kDefaultPortText}; // scan: asked of every host
    std::string settingsFile;                         // diff, restore
    bool withNetwork = false;                         // restore: mask, gateway, DNS too
    bool withClock = false;                           // restore: the clock from this PC
    // set- commands: read back what the device can report; with apply too: a write
    // whose reply is missing and that nothing read back is "unconfirmed".
    bool verify = true;
    // diff, restore: what the settings file holds, read before anything is sent.
    std::vector<DeviceSettings> settings;
};

// Where devices come from, in the order given.
struct DeviceSource {
    bool isFile = false;
    std::string text; // a HOST[:PORT] or a file name
    bool operator==(const DeviceSource&) const = default;
};

struct CommandLine {
    bool help = false;    // when set, nothing else was looked at
    bool version = false; // the same
    bool json = false;
    bool csv = false; // read, scan, diff and apply only
    std::vector<DeviceSource> sources;
    Command command;
};

// Reads the arguments after the program name. Options start with "--" wherever
// they stand, so a negative value such as -5 is an argument. Every value is
// checked here, so a command line that would fail on one device fails before
// anything is sent; only a settings file is read later. scan takes no devices,
// diff and restore may take them from the settings file, every other command
// needs them. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace kelvra::cli
