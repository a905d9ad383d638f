#include "cli/SiteRun.h"

#include "cli/ReadBack.h"
#include "link/DeviceReadout.h"
#include "link/KelvraDM.h"

#include <exception>
#include <map>

namespace kelvra::cli {

namespace {

// The whole readout into values; the reason when it did not complete.
std::string ReadInto(TFKelvraDM& dm, const DeviceTarget& device, Values& values) {
    const ReadoutResult result = ReadDeviceInformation(
        dm, device.host, device.portText,
        [&values](ReadoutField field, const std::string& value) { values[field] = value; },
        UnansweredHandshake::Stop);
    return ReadoutReason(result);
}

// The file's values of fields against what the device shows.
std::vector<Difference> Differences(const std::vector<ReadoutField>& fields,
                                    const DeviceSettings& file, const Values& device) {
    std::vector<SentSetting> settings;
    for (const ReadoutField field : fields) {
        settings.push_back({field, file.value(field)});
    }
    return cli::Differences(settings, device);
}

std::vector<ReadoutField> Joined(std::vector<ReadoutField> first,
                                 const std::vector<ReadoutField>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

void DiffDevice(TFKelvraDM& dm, const Command& command, const DeviceTarget& device,
                DeviceOutcome& outcome) {
    const DeviceSettings& file = SettingsFor(command.settings, device);
    Values values;
    outcome.reason = ReadInto(dm, device, values);
    if (!outcome.reason.empty()) {
        return;
    }
    outcome.differences =
        Differences(Joined(LimitAndServerFields(), NetworkFields()), file, values);
    outcome.succeeded = outcome.differences.empty();
}

void RestoreDevice(TFKelvraDM& dm, const Command& command, const DeviceTarget& device,
                   DeviceOutcome& outcome) {
    const DeviceSettings& file = SettingsFor(command.settings, device);
    if (!dm.ConnectDevice(device.host, device.portText)) {
        outcome.reason = kNotAnswering;
        return;
    }
    std::string refused;
    const auto judge = [&refused](const WriteOutcome& written) {
        if (!written.set) {
            refused += (refused.empty() ? "" : "; ") + written.text;
        }
    };
    for (const Quantity& quantity : kQuantities) {
        judge(dm.SetLimitPair(quantity, file.value(quantity.highField),
                              file.value(quantity.lowField)));
    }
    std::vector<AddressKind> addresses{kServerAddressKind};
    std::vector<ReadoutField> written = LimitAndServerFields();
    if (command.withNetwork) {
        addresses.insert(addresses.end(), NetworkKinds().begin(), NetworkKinds().end());
        written = Joined(written, NetworkFields());
    }
    for (const AddressKind& kind : addresses) {
        judge(dm.SetAddressValue(file.value(kind.field), std::string(kind.prefix),
                                 std::string(kind.caption), false));
    }
    if (command.withClock) {
        judge(dm.SetDeviceClock());
    }

    Values values;
    const std::string unread = ReadInto(dm, device, values);
    outcome.differences = Differences(written, file, values);
    outcome.reason = refused;
    if (!unread.empty()) {
        outcome.reason += (refused.empty() ? "read back: " : "; read back: ") + unread;
    }
    outcome.succeeded = outcome.reason.empty() && outcome.differences.empty();
}

std::optional<DeviceOutcome> ScanHost(TFKelvraDM& dm, const DeviceTarget& device) {
    DeviceOutcome outcome;
    outcome.device = device.label();
    try {
        const ReadoutResult result =
            ReadDeviceIdentity(dm, device.host, device.portText,
                               [&outcome](ReadoutField field, const std::string& value) {
                                   outcome.values.emplace_back(field, value);
                               });
        if (!result.handshakeAnswered) {
            return std::nullopt;
        }
        outcome.succeeded = result.complete();
        outcome.reason = ReadoutReason(result);
    } catch (const std::exception& error) {
        if (!dm.DeviceConnected()) {
            throw;
        }
        outcome.succeeded = false;
        outcome.reason = error.what();
    }
    return outcome;
}

} // namespace kelvra::cli
