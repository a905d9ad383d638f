#include "link/NetworkApply.h"

#include "core/AddressParts.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"

namespace kelvra {

namespace {

constexpr std::string_view kLastOctetZeroText = "Cihaza Verilen IP bilgisinin son bölümü 0 olamaz.";
constexpr std::string_view kLoopbackText = "Cihaza Verilen IP bilgisi 127 ile başlayamaz.";

} // namespace

NetworkApplyOutcome TFKelvraDM::ApplyNetworkSettings(const NetworkSettings& settings) {
    // A mistyped DNS must not be found after the device's address has changed.
    for (const AddressSetting& setting : settings) {
        ProgrammableAddressParts(setting.value, setting.caption);
    }
    const std::string& newAddress = settings.front().value;
    NetworkApplyOutcome outcome;

    // A warning only: a device may well be moved to another network.
    FieldList pcParts;
    FieldList deviceParts;
    SplitFields(protocol::kDottedDelimiter, GetLocalIpText(), pcParts);
    SplitFields(protocol::kDottedDelimiter, newAddress, deviceParts);
    if (!SameAddressGroup(pcParts, deviceParts)) {
        outcome.groupDiffers = true;
        console_.showInformation(std::string(kGroupMismatchText));
    }

    outcome.connected = ConnectDevice(console_.deviceAddressText(), console_.devicePortText());
    if (!outcome.connected) {
        return outcome; // the connect's log line says so
    }
    // A device given such an address no longer answers.
    outcome.refusal = RefuseAsDeviceAddress(newAddress);
    if (outcome.refusal != DeviceAddressRefusal::None) {
        console_.showInformation(std::string(outcome.refusal == DeviceAddressRefusal::LastOctetZero
                                                 ? kLastOctetZeroText
                                                 : kLoopbackText));
        return outcome;
    }

    // Each address goes out whatever became of the one before. Those the device did
    // not take are named; the power cycle is asked for whatever the replies were.
    for (const AddressSetting& setting : settings) {
        outcome.written.push_back(
            SetAddressValue(setting.value, setting.prefix, setting.caption, false));
    }
    for (const WriteOutcome& written : outcome.written) {
        if (!written.set) {
            console_.showInformation(written.text);
        }
    }
    console_.showInformation(std::string(kPowerCycleText));
    return outcome;
}

} // namespace kelvra
