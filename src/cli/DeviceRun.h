#pragma once

#include "cli/CommandLine.h"
#include "cli/DeviceOutcome.h"

namespace kelvra {
class TFKelvraDM;
}

namespace kelvra::cli {

// Runs command on one device through dm: the handshake first, and nothing more
// when it goes unanswered; then the same link operation the window's button runs,
// judged by its own verdict. An error ends the run as a failure with its message.
DeviceOutcome RunOnDevice(TFKelvraDM& dm, const Command& command, const DeviceTarget& device);

} // namespace kelvra::cli
