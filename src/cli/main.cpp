// kelvra-cli: the device operations from the command line, for one data logger or
// many at once.

#include "cli/CommandLine.h"
#include "cli/DeviceList.h"
#include "cli/HelpText.h"
#include "cli/ParallelRuns.h"
#include "cli/SerialOutput.h"
#include "cli/UsageError.h"

#include <clocale>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kelvra::cli;

constexpr int kAllSucceeded = 0;
constexpr int kSomeFailed = 1;
constexpr int kUsageFailed = 2;

std::string FileContents(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream contents;
    if (!file || !(contents << file.rdbuf())) {
        throw UsageError("cannot read the device file '" + fileName + "'");
    }
    return contents.str();
}

std::vector<DeviceTarget> Devices(const std::vector<DeviceSource>& sources) {
    std::vector<DeviceTarget> devices;
    for (const DeviceSource& source : sources) {
        if (source.isFile) {
            const auto listed = ParseDeviceList(FileContents(source.text), source.text);
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

} // namespace

int main(int argc, char** argv) {
    // Time stamps in the system's own long time format, as the window writes them.
    std::setlocale(LC_TIME, "");

    CommandLine line;
    std::vector<DeviceTarget> devices;
    try {
        line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (line.help) {
            std::cout << kHelpText;
            return kAllSucceeded;
        }
        devices = Devices(line.sources);
    } catch (const UsageError& error) {
        std::cerr << "kelvra-cli: " << error.what() << "\n";
        return kUsageFailed;
    }

    SerialOutput output;
    return RunOnAllDevices(devices, line.command, line.json, output) ? kAllSucceeded : kSomeFailed;
}
