#pragma once

#include "cli/CommandLine.h"
#include "cli/DeviceList.h"
#include "cli/SerialOutput.h"

#include <cstddef>
#include <vector>

namespace kelvra::cli {

// Devices worked on at once; each holds one socket, so this stays well below the
// usual limit of open files.
inline constexpr std::size_t kMaxParallelDevices = 256;

// Runs command on every device, each on a thread of its own with its own endpoint,
// clock, console and link state, and writes each device's outcome as it finishes.
// True when every device succeeded.
bool RunOnAllDevices(const std::vector<DeviceTarget>& devices, const Command& command, bool json,
                     SerialOutput& output);

} // namespace kelvra::cli
