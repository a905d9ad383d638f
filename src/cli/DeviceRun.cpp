#include "cli/DeviceRun.h"

#include "cli/ApplyRun.h"
#include "cli/ReadBack.h"
#include "cli/SiteRun.h"
#include "link/DeviceReadout.h"
#include "link/KelvraDM.h"

#include <exception>

namespace kelvra::cli {

namespace {

void Read(TFKelvraDM& dm, const DeviceTarget& device, DeviceOutcome& outcome) {
    const ReadoutResult result = ReadDeviceInformation(
        dm, device.host, device.portText,
        [&outcome](ReadoutField field, const std::string& value) {
            outcome.values.emplace_back(field, value);
        },
        UnansweredHandshake::Stop);
    outcome.succeeded = result.complete();
    outcome.reason = ReadoutReason(result);
}

// The link operation the window's button runs, and its verdict.
WriteOutcome Write(TFKelvraDM& dm, const Command& command) {
    switch (command.kind) {
    case CommandKind::SetLimit:
    case CommandKind::SetCalibration:
        return dm.SendLimits(command.limits);
    case CommandKind::SetClock:
        return dm.SetDeviceClock();
    case CommandKind::SetAddress:
        return dm.SetAddressValue(command.address.value, command.address.prefix,
                                  command.address.caption, false);
    case CommandKind::Connect:
    case CommandKind::Read:
    case CommandKind::Apply:
    case CommandKind::Scan:
    case CommandKind::Diff:
    case CommandKind::Restore:
        break;
    }
    return {true, {}};
}

void Run(TFKelvraDM& dm, const Command& command, const DeviceTarget& device,
         DeviceOutcome& outcome) {
    if (command.kind == CommandKind::Read) {
        Read(dm, device, outcome);
        return;
    }
    if (command.kind == CommandKind::Diff) {
        DiffDevice(dm, command, device, outcome);
        return;
    }
    if (command.kind == CommandKind::Restore) {
        RestoreDevice(dm, command, device, outcome);
        return;
    }
    if (command.kind == CommandKind::Apply) {
        ApplyToDevice(dm, command, outcome); // it connects after its warning
        return;
    }
    if (!dm.ConnectDevice(device.host, device.portText)) {
        outcome.reason = kNotAnswering;
        return;
    }
    const TimePoint sentAt = dm.Now();
    const WriteOutcome written = Write(dm, command);
    outcome.succeeded = written.set;
    outcome.reason = written.text;
    if (command.verify) {
        JudgeByReadBack(dm, command, written, sentAt, outcome);
    }
}

} // namespace

DeviceOutcome RunOnDevice(TFKelvraDM& dm, const Command& command, const DeviceTarget& device) {
    DeviceOutcome outcome;
    outcome.device = device.label();
    try {
        Run(dm, command, device, outcome);
    } catch (const std::exception& error) {
        outcome.succeeded = false;
        outcome.reason = error.what();
    }
    return outcome;
}

} // namespace kelvra::cli
