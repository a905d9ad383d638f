#pragma once

#include "cli/CommandLine.h"
#include "cli/DeviceOutcome.h"

namespace kelvra {
class TFKelvraDM;
}

namespace kelvra::cli {

// apply on one device: the window's readdressing through dm. Succeeds only when all
// four addresses were set; the reason names each one that was not. "unconfirmed"
// (unless --no-verify) when none was refused but a reply was missing.
void ApplyToDevice(TFKelvraDM& dm, const Command& command, DeviceOutcome& outcome);

} // namespace kelvra::cli
