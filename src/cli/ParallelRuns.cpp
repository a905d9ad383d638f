#include "cli/ParallelRuns.h"

#include "cli/DeviceRun.h"
#include "cli/OfflineHostNetwork.h"
#include "cli/OutputFormat.h"
#include "cli/ScriptConsole.h"
#include "cli/SiteRun.h"
#include "link/KelvraDM.h"
#include "link/NetworkApply.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

namespace kelvra::cli {

namespace {

// One device's own ports and link state, its log lines handed to logLine.
struct OwnLink {
    OwnLink(const DeviceTarget& device, ScriptConsole::LineWriter logLine)
        : network(device), console(device, std::move(logLine)),
          dm(endpoint, clock, console, network) {}

    net::UdpEndpoint endpoint;
    net::SystemClock clock;
    OfflineHostNetwork network;
    ScriptConsole console;
    TFKelvraDM dm;
};

DeviceOutcome RunAlone(const DeviceTarget& device, const Command& command, const std::string& tag,
                       SerialOutput& output) {
    try {
        OwnLink link(device, [&output, &tag](const std::string& line) { output.log(tag + line); });
        return RunOnDevice(link.dm, command, device);
    } catch (const std::exception& error) {
        return DeviceOutcome{device.label(), false, error.what(), {}};
    }
}

std::string Tag(const DeviceTarget& device) {
    return "[" + device.label() + "] ";
}

} // namespace

void RunAtOnce(std::size_t count, std::size_t maxThreads,
               const std::function<void(std::size_t index)>& work) {
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t at = next++; at < count; at = next++) {
            work(at);
        }
    };
    std::vector<std::thread> threads;
    const std::size_t wanted = std::min(count, maxThreads);
    try {
        while (threads.size() < wanted) {
            threads.emplace_back(worker);
        }
    } catch (const std::system_error&) {
        // Fewer threads than wanted: the ones started take the rest in turn.
    }
    if (threads.empty()) {
        worker();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

bool RunOnAllDevices(const std::vector<DeviceTarget>& devices, const Command& command,
                     const OutcomeFormat& format, SerialOutput& output) {
    std::atomic<bool> allSucceeded{true};
    std::atomic<bool> anyAddressesSent{false};
    const bool tagged = devices.size() > 1;
    RunAtOnce(devices.size(), kMaxParallelDevices, [&](std::size_t at) {
        const DeviceTarget& device = devices[at];
        const DeviceOutcome outcome =
            RunAlone(device, command, tagged ? Tag(device) : std::string(), output);
        if (!outcome.succeeded) {
            allSucceeded = false;
        }
        for (const std::string& warning : outcome.warnings) {
            output.log("kelvra-cli: " + device.label() + ": " + warning);
        }
        if (outcome.addressesSent) {
            anyAddressesSent = true;
        }
        output.result(format(outcome));
    });
    // The window's closing request, once for all the devices readdressed.
    if (anyAddressesSent) {
        output.log("kelvra-cli: " + std::string(kPowerCycleText));
    }
    return allSucceeded;
}

bool ScanAllHosts(const std::vector<std::string>& hosts, const std::string& portText,
                  const OutcomeFormat& format, SerialOutput& output) {
    std::vector<std::optional<DeviceOutcome>> found(hosts.size());
    RunAtOnce(hosts.size(), kMaxParallelScan, [&](std::size_t at) {
        const DeviceTarget device{hosts[at], portText};
        std::vector<std::string> log;
        bool unreachable = false;
        OwnLink link(device, [&log](const std::string& line) { log.push_back(line); });
        try {
            found[at] = ScanHost(link.dm, device);
        } catch (const std::exception& error) {
            // A stamped line of the log like the exchange's, so that it carries its host.
            link.dm.Log(" " + OneLine(error.what()));
            unreachable = true;
        }
        if (found[at] || unreachable) {
            for (const std::string& line : log) {
                output.log(Tag(device) + line);
            }
        }
    });
    bool any = false;
    for (const auto& outcome : found) {
        if (outcome) {
            any = true;
            output.result(format(*outcome));
        }
    }
    return any;
}

} // namespace kelvra::cli
