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
    bool refused = false;
    bool unanswered = false;
    for (const WriteOutcome& written : applied.written) {
        if (!written.set) {
            outcome.reason += (outcome.reason.empty() ? "" : "; ") + written.text;
            refused = refused || !written.unanswered;
            unanswered = unanswered || written.unanswered;
        }
    }
    outcome.succeeded = applied.set();
    // The device cannot report these addresses, so a missing reply leaves it open;
    // one refusal decides.
    outcome.unconfirmed = command.verify && unanswered && !refused;
}

} // namespace kelvra::cli
