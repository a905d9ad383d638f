#pragma once

#include "cli/CommandLine.h"
#include "cli/DeviceOutcome.h"

#include <optional>

namespace kelvra {
class TFKelvraDM;
}

namespace kelvra::cli {

// diff on one device: the whole readout, then every setting that differs from the
// device's settings in the file. Fails without differences when the readout does.
void DiffDevice(TFKelvraDM& dm, const Command& command, const DeviceTarget& device,
                DeviceOutcome& outcome);

// restore on one device: the handshake, the limits pair by pair and the server
// address (then mask, gateway and DNS, then the clock, when asked), each through
// its link operation whatever became of the one before; then a readout, and every
// written setting that did not take. The reason lists the texts of refused writes.
void RestoreDevice(TFKelvraDM& dm, const Command& command, const DeviceTarget& device,
                   DeviceOutcome& outcome);

// The handshake to one address and, when it is answered, the identity. Empty when
// the address did not answer the handshake; an error before the handshake was
// answered (the address could not be reached) is thrown.
std::optional<DeviceOutcome> ScanHost(TFKelvraDM& dm, const DeviceTarget& device);

} // namespace kelvra::cli
