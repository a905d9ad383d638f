#include "cli/ApplyRun.h"

#include "link/KelvraDM.h"
#include "link/NetworkApply.h"

namespace kelvra::cli {

void ApplyToDevice(TFKelvraDM& dm, const Command& command, DeviceOutcome& outcome) {
    const NetworkApplyOutcome applied = dm.ApplyNetworkSettings(command.network);
    if (applied.groupDiffers) {
        outcome.warnings.emplace_back(kGroupMismatchText);
    }
    if (!applied.connected) {
        outcome.reason = kNotAnswering;
        return;
    }
    outcome.addressesSent = !applied.written.empty();
    for (const WriteOutcome& written : applied.written) {
        if (!written.set) {
            outcome.reason += (outcome.reason.empty() ? "" : "; ") + written.text;
        }
    }
    outcome.succeeded = applied.set();
}

} // namespace kelvra::cli
