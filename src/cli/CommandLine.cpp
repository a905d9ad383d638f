#include "cli/CommandLine.h"

#include "cli/UsageError.h"
#include "cli/ValueChecks.h"
#include "link/Operations.h"
#include "link/Protocol.h"

#include <array>
#include <optional>
#include <string_view>

namespace kelvra::cli {

namespace {

constexpr std::array<CommandForm, 10> kCommands{{
    {"connect", CommandKind::Connect, 0, ""},
    {"read", CommandKind::Read, 0, ""},
    {"set-limit", CommandKind::SetLimit, 3, "QUANTITY HIGH LOW"},
    {"set-calibration", CommandKind::SetCalibration, 1, "VALUE"},
    {"set-clock", CommandKind::SetClock, 0, ""},
    {"set-address", CommandKind::SetAddress, 2, "KIND ADDRESS"},
    {"apply", CommandKind::Apply, 0, ""},
    {"scan", CommandKind::Scan, 1, "NETWORK/PREFIX"},
    {"diff", CommandKind::Diff, 1, "FILE"},
    {"restore", CommandKind::Restore, 1, "FILE"},
}};

template <typename Table> std::string Names(const Table& table) {
    std::string names;
    for (const auto& entry : table) {
        names += (names.empty() ? "" : ", ") + std::string(entry.name);
    }
    return names;
}

template <typename Table>
const auto& Find(const Table& table, const std::string& name, std::string_view what) {
    for (const auto& entry : table) {
        if (entry.name == name) {
            return entry;
        }
    }
    throw UsageError("unknown " + std::string(what) + " '" + name + "' (" + Names(table) + ")");
}

Command MakeCommand(const std::string& name, const std::vector<std::string>& arguments) {
    const CommandForm& form = Find(kCommands, name, "command");
    if (arguments.size() != form.argumentCount) {
        throw UsageError(form.argumentCount == 0 ? name + " takes no arguments"
                                                 : name + " needs " + std::string(form.arguments));
    }
    Command command;
    command.kind = form.kind;
    switch (form.kind) {
    case CommandKind::SetLimit: {
        const Quantity& quantity = Find(kQuantities, arguments[0], "quantity");
        RequireInteger(arguments[1]);
        RequireInteger(arguments[2]);
        // High first, then low, as the window's buttons send them.
        command.limits = {{std::string(quantity.high), arguments[1]},
                          {std::string(quantity.low), arguments[2]}};
        break;
    }
    case CommandKind::SetCalibration:
        RequireInteger(arguments[0]);
        command.limits.push_back({std::string(protocol::kCalibration), arguments[0]});
        break;
    case CommandKind::SetAddress: {
        const AddressKind& kind = Find(kAddressKinds, arguments[0], "address kind");
        RequireAddress(arguments[1], kind);
        command.address = {arguments[1], std::string(kind.prefix), std::string(kind.caption)};
        break;
    }
    case CommandKind::Scan:
        command.range = ParseScanRange(arguments[0]);
        break;
    case CommandKind::Diff:
    case CommandKind::Restore:
        command.settingsFile = arguments[0];
        break;
    case CommandKind::Connect:
    case CommandKind::Read:
    case CommandKind::SetClock:
    case CommandKind::Apply: // its addresses are options
        break;
    }
    return command;
}

// "--name=value" or "--name value".
std::string OptionValue(const std::vector<std::string>& arguments, std::size_t& at,
                        const std::string& name) {
    const std::string& argument = arguments[at];
    if (argument.size() > name.size() && argument[name.size()] == '=') {
        return argument.substr(name.size() + 1);
    }
    if (at + 1 >= arguments.size()) {
        throw UsageError(name + " needs a value");
    }
    return arguments[++at];
}

bool IsOption(const std::string& argument, std::string_view name) {
    return argument == name || (argument.size() > name.size() && argument.starts_with(name) &&
                                argument[name.size()] == '=');
}

// apply's options, one per address, in the order the addresses go out.
constexpr std::array<std::string_view, kNetworkSettingKinds.size()> kApplyOptions{
    "--address", "--mask", "--gateway", "--dns"};
using ApplyValues = std::array<std::optional<std::string>, kApplyOptions.size()>;

std::optional<std::size_t> ApplyOption(const std::string& argument) {
    for (std::size_t at = 0; at < kApplyOptions.size(); ++at) {
        if (IsOption(argument, kApplyOptions[at])) {
            return at;
        }
    }
    return std::nullopt;
}

// All four are needed, each checked as set-address checks its kind.
NetworkSettings ApplySettings(const ApplyValues& values) {
    NetworkSettings settings;
    for (std::size_t at = 0; at < settings.size(); ++at) {
        const AddressKind& kind = kNetworkSettingKinds[at];
        if (!values[at]) {
            throw UsageError("apply needs " + std::string(kApplyOptions[at]));
        }
        RequireAddress(*values[at], kind);
        settings[at] = {*values[at], std::string(kind.prefix), std::string(kind.caption)};
    }
    return settings;
}

} // namespace

std::span<const CommandForm> CommandForms() {
    return kCommands;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            line.help = true;
            return line;
        }
        if (argument == "--version") {
            line.version = true;
            return line;
        }
    }

    std::vector<std::string> words; // the command and its arguments
    std::optional<std::string> port;
    bool withNetwork = false;
    bool withClock = false;
    ApplyValues applyValues;
    bool anyApplyValue = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (const auto address = ApplyOption(argument)) {
            applyValues[*address] =
                OptionValue(arguments, at, std::string(kApplyOptions[*address]));
            anyApplyValue = true;
        } else if (IsOption(argument, "--port")) {
            port = OptionValue(arguments, at, "--port");
            RequirePort(*port);
        } else if (argument == "--with-network") {
            withNetwork = true;
        } else if (argument == "--with-clock") {
            withClock = true;
        } else if (argument == "--no-verify") {
            line.command.verify = false;
        } else if (IsOption(argument, "--device")) {
            const std::string value = OptionValue(arguments, at, "--device");
            ParseDeviceTarget(value);
            line.sources.push_back({false, value});
        } else if (IsOption(argument, "--devices")) {
            line.sources.push_back({true, OptionValue(arguments, at, "--devices")});
        } else if (argument == "--json") {
            line.json = true;
        } else if (argument == "--csv") {
            line.csv = true;
        } else if (argument.starts_with("--")) {
            throw UsageError("unknown option " + argument + " (see --help)");
        } else {
            words.push_back(argument);
        }
    }
    if (words.empty()) {
        throw UsageError("no command given (see --help)");
    }
    const bool verify = line.command.verify;
    line.command = MakeCommand(words.front(), {words.begin() + 1, words.end()});
    line.command.verify = verify;
    const CommandKind kind = line.command.kind;
    if (port && kind != CommandKind::Scan) {
        throw UsageError("--port is for scan only; give a device's port as HOST:PORT");
    }
    if ((withNetwork || withClock) && kind != CommandKind::Restore) {
        throw UsageError(std::string(withNetwork ? "--with-network" : "--with-clock") +
                         " is for restore only");
    }
    if (anyApplyValue && kind != CommandKind::Apply) {
        throw UsageError("--address, --mask, --gateway and --dns are for apply only");
    }
    if (kind == CommandKind::Apply) {
        line.command.network = ApplySettings(applyValues);
    }
    if (!verify && kind != CommandKind::SetLimit && kind != CommandKind::SetCalibration &&
        kind != CommandKind::SetClock && kind != CommandKind::SetAddress &&
        kind != CommandKind::Apply) {
        throw UsageError("--no-verify is for the set- commands and apply only");
    }
    if (line.csv && line.json) {
        throw UsageError("--csv and --json exclude each other");
    }
    if (line.csv && kind != CommandKind::Read && kind != CommandKind::Scan &&
        kind != CommandKind::Diff && kind != CommandKind::Apply) {
        throw UsageError("--csv is for read, scan, diff and apply only");
    }
    line.command.portText = port.value_or(line.command.portText);
    line.command.withNetwork = withNetwork;
    line.command.withClock = withClock;
    if (kind == CommandKind::Scan && !line.sources.empty()) {
        throw UsageError("scan finds the devices itself: it takes no --device or --devices");
    }
    if (line.sources.empty() && kind != CommandKind::Scan && kind != CommandKind::Diff &&
        kind != CommandKind::Restore) {
        throw UsageError("no device given: use --device HOST[:PORT] or --devices FILE");
    }
    return line;
}

} // namespace kelvra::cli
