#include "cli/ReadBack.h"

#include "cli/SettingsFile.h"
#include "link/DeviceReadout.h"
#include "link/KelvraDM.h"

#include <chrono>
#include <cstdlib>

namespace kelvra::cli {

namespace {

// The written settings the device reports, and which record reports them.
struct Reported {
    std::vector<SentSetting> sent;
    bool (*read)(TFKelvraDM&, const ReadoutSink&) = nullptr;
};

Reported ReportedSettings(const Command& command) {
    if (command.kind == CommandKind::SetLimit) {
        for (const Quantity& quantity : kQuantities) {
            if (command.limits.front().command == quantity.high) {
                return {{{quantity.highField, command.limits[0].valueText},
                         {quantity.lowField, command.limits[1].valueText}},
                        ReadDeviceSettings};
            }
        }
    }
    if (command.kind == CommandKind::SetAddress &&
        command.address.prefix == kServerAddressKind.prefix) {
        return {{{ReadoutField::Server, command.address.value}}, ReadServerAddress};
    }
    if (command.kind == CommandKind::SetClock) {
        return {{{ReadoutField::ClockOffset, "0"}}, ReadDeviceSettings};
    }
    return {};
}

// The device's clock was set from the PC's at sentAt, so it may trail the PC by
// the seconds the exchange took since then, and by one more for whole seconds.
bool ClockTook(TFKelvraDM& dm, const Values& shown, TimePoint sentAt) {
    const auto offset = shown.find(ReadoutField::ClockOffset);
    if (offset == shown.end() || offset->second.empty()) {
        return false;
    }
    const long long took =
        std::chrono::duration_cast<std::chrono::seconds>(dm.LastReplyTime() - sentAt).count();
    const long long seconds = std::atoll(offset->second.c_str());
    return seconds <= 1 && seconds >= -took - 1;
}

} // namespace

std::vector<Difference> Differences(const std::vector<SentSetting>& sent, const Values& shown) {
    std::vector<Difference> differences;
    for (const SentSetting& setting : sent) {
        const auto found = shown.find(setting.field);
        const std::string deviceValue = found == shown.end() ? std::string() : found->second;
        if (!SameSetting(setting.field, deviceValue, setting.value)) {
            differences.push_back({setting.field, deviceValue, setting.value});
        }
    }
    return differences;
}

void JudgeByReadBack(TFKelvraDM& dm, const Command& command, const WriteOutcome& written,
                     TimePoint sentAt, DeviceOutcome& outcome) {
    outcome.unconfirmed = written.unanswered;
    const Reported reported = ReportedSettings(command);
    if (reported.read == nullptr) {
        return;
    }
    Values shown;
    const ReadoutSink sink = [&shown](ReadoutField field, const std::string& value) {
        shown[field] = value;
    };
    if (!reported.read(dm, sink) && !reported.read(dm, sink)) {
        outcome.reason += "; read back: no reply";
        return;
    }
    outcome.comparedWith = kSent;
    // A clock that was right before shows right whatever was taken, so a right
    // clock leaves the replies' verdict; only a wrong one decides.
    if (command.kind == CommandKind::SetClock) {
        if (!ClockTook(dm, shown, sentAt)) {
            outcome.succeeded = outcome.unconfirmed = false;
            outcome.differences = {
                {ReadoutField::ClockOffset, shown[ReadoutField::ClockOffset], "0"}};
        }
        return;
    }
    outcome.unconfirmed = false;
    outcome.differences = Differences(reported.sent, shown);
    outcome.succeeded = outcome.differences.empty();
}

} // namespace kelvra::cli
