#include "cli/ParallelRuns.h"

#include "cli/DeviceRun.h"
#include "cli/OfflineHostNetwork.h"
#include "cli/OutputFormat.h"
#include "cli/ScriptConsole.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>

namespace kelvra::cli {

namespace {

DeviceOutcome RunAlone(const DeviceTarget& device, const Command& command, const std::string& tag,
                       SerialOutput& output) {
    try {
        net::UdpEndpoint endpoint;
        net::SystemClock clock;
        OfflineHostNetwork network;
        ScriptConsole console(device,
                              [&output, &tag](const std::string& line) { output.log(tag + line); });
        TFKelvraDM dm(endpoint, clock, console, network);
        return RunOnDevice(dm, command, device);
    } catch (const std::exception& error) {
        return DeviceOutcome{device.label(), false, error.what(), {}};
    }
}

} // namespace

bool RunOnAllDevices(const std::vector<DeviceTarget>& devices, const Command& command, bool json,
                     SerialOutput& output) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> allSucceeded{true};
    const bool tagged = devices.size() > 1;
    const auto work = [&] {
        for (std::size_t at = next++; at < devices.size(); at = next++) {
            const DeviceTarget& device = devices[at];
            const std::string tag = tagged ? "[" + device.label() + "] " : "";
            const DeviceOutcome outcome = RunAlone(device, command, tag, output);
            if (!outcome.succeeded) {
                allSucceeded = false;
            }
            output.result(json ? FormatJson(outcome) : FormatLine(outcome));
        }
    };

    std::vector<std::thread> threads;
    const std::size_t wanted = std::min(devices.size(), kMaxParallelDevices);
    try {
        while (threads.size() < wanted) {
            threads.emplace_back(work);
        }
    } catch (const std::system_error&) {
        // Fewer threads than devices: the ones started take the rest in turn.
    }
    if (threads.empty()) {
        work();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    return allSucceeded;
}

} // namespace kelvra::cli
