#include "cli/DeviceRun.h"

#include "link/DeviceMessages.h"
#include "link/DeviceReadout.h"
#include "link/KelvraDM.h"

#include <exception>

namespace kelvra::cli {

namespace {

// Limits and calibration: every reply must hold "OK". The low limit goes out even
// when the high one was refused, as the window's buttons do.
void SendLimits(TFKelvraDM& dm, const Command& command, DeviceOutcome& outcome) {
    outcome.succeeded = true;
    for (const LimitSetting& limit : command.limits) {
        const std::string reply = dm.SendLimit(limit.command, limit.valueText);
        outcome.succeeded = outcome.succeeded && ContainsOK(reply);
        outcome.reason += (outcome.reason.empty() ? "" : ", ") +
                          LimitMessage(limit.command, limit.valueText) + " = " + RemoveCrLf(reply);
    }
}

void Run(TFKelvraDM& dm, ScriptConsole& console, const Command& command, const DeviceTarget& device,
         DeviceOutcome& outcome) {
    if (command.kind == CommandKind::Read) {
        const bool answered = ReadDeviceInformation(
            dm, device.host, device.portText,
            [&outcome](ReadoutField field, const std::string& value) {
                outcome.values.emplace_back(field, value);
            },
            UnansweredHandshake::Stop);
        outcome.succeeded = answered;
        outcome.reason = answered ? "" : std::string(kNotAnswering);
        return;
    }

    if (!dm.ConnectDevice(device.host, device.portText)) {
        outcome.reason = kNotAnswering;
        return;
    }
    // A batch's verdict is the one its information text was chosen by.
    console.onInformation = [&dm, &outcome](const std::string& text) {
        outcome.succeeded = ContainsOK(dm.LastResponse()) && dm.SetTally() > 0;
        outcome.reason = text;
    };
    switch (command.kind) {
    case CommandKind::Connect:
        outcome.succeeded = true;
        break;
    case CommandKind::SetLimit:
    case CommandKind::SetCalibration:
        SendLimits(dm, command, outcome);
        break;
    case CommandKind::SetClock:
        dm.SetDeviceClock();
        break;
    case CommandKind::SetAddress:
        dm.SetAddressValue(command.address.value, command.address.prefix, command.address.caption,
                           true);
        break;
    case CommandKind::Read:
        break;
    }
}

} // namespace

DeviceOutcome RunOnDevice(TFKelvraDM& dm, ScriptConsole& console, const Command& command,
                          const DeviceTarget& device) {
    DeviceOutcome outcome;
    outcome.device = device.label();
    try {
        Run(dm, console, command, device, outcome);
    } catch (const std::exception& error) {
        outcome.succeeded = false;
        outcome.reason = error.what();
    }
    return outcome;
}

} // namespace kelvra::cli
