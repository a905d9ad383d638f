#pragma once

#include "cli/CommandLine.h"
#include "cli/DeviceList.h"
#include "cli/DeviceOutcome.h"
#include "cli/SerialOutput.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kelvra::cli {

// Devices worked on at once; each holds one socket, so this stays well below the
// usual limit of open files.
inline constexpr std::size_t kMaxParallelDevices = 256;

// Addresses a scan asks at once: every host of the largest range, so that a scan
// takes one handshake's time whatever its size. Each holds a socket and a thread
// that mostly sleeps.
inline constexpr std::size_t kMaxParallelScan = 1024;

// work(0) to work(count - 1) on up to maxThreads threads, each taking the next
// index when done with one; on the calling thread alone when no thread starts.
void RunAtOnce(std::size_t count, std::size_t maxThreads,
               const std::function<void(std::size_t index)>& work);

// An outcome as the output shows it: a line, a JSON object or CSV rows.
using OutcomeFormat = std::function<std::string(const DeviceOutcome& outcome)>;

// Runs command on every device, each on a thread of its own with its own endpoint,
// clock, console and link state, and writes each device's outcome as it finishes.
// True when every device succeeded.
bool RunOnAllDevices(const std::vector<DeviceTarget>& devices, const Command& command,
                     const OutcomeFormat& format, SerialOutput& output);

// Asks every host at port at once, each over a link of its own, and writes one
// outcome per host that answered the handshake, in the order of hosts, once all
// are done; the exchange log only of those, and the error of a host that could not
// be reached. True when any answered.
bool ScanAllHosts(const std::vector<std::string>& hosts, const std::string& portText,
                  const OutcomeFormat& format, SerialOutput& output);

} // namespace kelvra::cli
