// kelvra-cli: the device operations from the command line, for one data logger or
// many at once.

#include "cli/CommandLine.h"
#include "cli/DeviceList.h"
#include "cli/HelpText.h"
#include "cli/OutputFormat.h"
#include "cli/ParallelRuns.h"
#include "cli/SerialOutput.h"
#include "cli/UsageError.h"
#include "net/OpenFileLimit.h"

#include <clocale>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kelvra::cli;
using kelvra::ReadoutField;

constexpr int kAllSucceeded = 0;
constexpr int kSomeFailed = 1;
constexpr int kUsageFailed = 2;

std::string FileContents(const std::string& fileName, const std::string& what) {
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream contents;
    if (!file || !(contents << file.rdbuf())) {
        throw UsageError("cannot read the " + what + " '" + fileName + "'");
    }
    return contents.str();
}

std::vector<DeviceTarget> Devices(const std::vector<DeviceSource>& sources) {
    std::vector<DeviceTarget> devices;
    for (const DeviceSource& source : sources) {
        if (source.isFile) {
            const auto listed =
                ParseDeviceList(FileContents(source.text, "device file"), source.text);
            devices.insert(devices.end(), listed.begin(), listed.end());
        } else {
            devices.push_back(ParseDeviceTarget(source.text));
        }
    }
    if (devices.empty()) {
        throw UsageError("the device files name no device");
    }
    return WithoutRepeats(devices);
}

// Reads the settings file into command; the devices given, or else the file's.
// Every device must have its settings before anything is sent.
std::vector<DeviceTarget> SettingsDevices(const std::vector<DeviceSource>& sources,
                                          Command& command) {
    std::vector<std::string> notes;
    command.settings = ParseSettingsFile(FileContents(command.settingsFile, "settings file"),
                                         command.settingsFile, &notes);
    for (const std::string& note : notes) {
        std::cerr << "kelvra-cli: " << note << "\n";
    }
    std::vector<DeviceTarget> devices;
    if (sources.empty()) {
        for (const DeviceSettings& settings : command.settings) {
            devices.push_back(settings.device);
        }
    } else {
        devices = Devices(sources);
    }
    for (const DeviceTarget& device : devices) {
        SettingsFor(command.settings, device);
    }
    return devices;
}

// The columns of --csv: what the command's line output shows.
CsvColumns CsvColumnsOf(CommandKind kind) {
    if (kind == CommandKind::Diff) {
        return {{}, true};
    }
    if (kind == CommandKind::Scan) {
        return {{ReadoutField::IdentityRecord, ReadoutField::Identity, ReadoutField::Address}};
    }
    if (kind == CommandKind::Apply) {
        return {};
    }
    CsvColumns columns;
    for (int at = 0; at < kelvra::kReadoutFieldCount; ++at) {
        columns.values.push_back(static_cast<ReadoutField>(at));
    }
    return columns;
}

// The format of the outcomes; for CSV, the header row goes out first.
OutcomeFormat Format(const CommandLine& line, SerialOutput& output) {
    if (line.csv) {
        CsvColumns columns = CsvColumnsOf(line.command.kind);
        output.result(CsvHeader(columns));
        return [columns](const DeviceOutcome& outcome) { return FormatCsv(outcome, columns); };
    }
    if (line.json) {
        return FormatJson;
    }
    return FormatLine;
}

int Scan(const Command& command, const CommandLine& line) {
    const std::vector<std::string> hosts = HostAddresses(command.range);
    if (!kelvra::net::AllowOpenFiles(hosts.size())) {
        std::cerr << "kelvra-cli: the system allows too few open files to ask all " << hosts.size()
                  << " hosts at once\n";
    }
    SerialOutput output;
    return ScanAllHosts(hosts, command.portText, Format(line, output), output) ? kAllSucceeded
                                                                               : kSomeFailed;
}

} // namespace

int main(int argc, char** argv) {
    // Time stamps in the system's own long time format, as the window writes them.
    std::setlocale(LC_TIME, "");

    CommandLine line;
    std::vector<DeviceTarget> devices;
    try {
        line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (line.help) {
            std::cout << HelpText();
            return kAllSucceeded;
        }
        if (line.version) {
            std::cout << "kelvra-cli " KELVRA_VERSION "\n";
            return kAllSucceeded;
        }
        const CommandKind kind = line.command.kind;
        if (kind == CommandKind::Diff || kind == CommandKind::Restore) {
            devices = SettingsDevices(line.sources, line.command);
        } else if (kind != CommandKind::Scan) {
            devices = Devices(line.sources);
        }
    } catch (const UsageError& error) {
        std::cerr << "kelvra-cli: " << error.what() << "\n";
        return kUsageFailed;
    }

    if (line.command.kind == CommandKind::Scan) {
        return Scan(line.command, line);
    }
    SerialOutput output;
    return RunOnAllDevices(devices, line.command, Format(line, output), output) ? kAllSucceeded
                                                                                : kSomeFailed;
}
