// Writing the device's network addresses: "Cihaza Uygula" and the per-field buttons.

#include "core/AddressParts.h"
#include "link/KelvraDM.h"
#include "link/Operations.h"
#include "link/Protocol.h"
#include "ui/Main.h"

#include <array>
#include <vector>

namespace kelvra {

namespace {

constexpr std::string_view kGroupMismatchText =
    "Cihaza Verilen IP Adresi grubu ile bilgisayar ip adres grubu farklı.";
constexpr std::string_view kLastOctetZeroText = "Cihaza Verilen IP bilgisinin son bölümü 0 olamaz.";
constexpr std::string_view kLoopbackText = "Cihaza Verilen IP bilgisi 127 ile başlayamaz.";
constexpr std::string_view kPowerCycleText = "Cihazın Enerjisini Kapatıp Tekrar Açınız.";

// One address as the press found it: the box's text, its prefix, its label's text.
struct AddressToWrite {
    std::string value;
    std::string prefix;
    std::string caption;
};

AddressToWrite Read(const TCaptionedEdit* box, const AddressKind& kind) {
    return {box->text().toStdString(), std::string(kind.prefix),
            box->FieldCaption()->text().toStdString()};
}

} // namespace

std::string TfrmMain::GetLocalIpText() {
    return dataModule_ != nullptr ? dataModule_->GetLocalIpText() : std::string();
}

void TfrmMain::writeAddress(const TCaptionedEdit* box, const AddressKind& kind) {
    if (dataModule_ == nullptr) {
        return;
    }
    const AddressToWrite address = Read(box, kind);
    dataModule_->SetAddressValue(address.value, address.prefix, address.caption, true);
}

// Readdresses the device: address, mask, gateway and DNS, then asks for a power
// cycle. The texts are read once, so what was checked is what is written.
void TfrmMain::btnCihazaUygulaClick() {
    if (dataModule_ == nullptr) {
        return;
    }
    TFKelvraDM& dm = *dataModule_;
    using namespace protocol;
    const std::array<AddressToWrite, 4> addresses{
        Read(yeniCihazIP, kDeviceAddressKind), Read(yeniAgGecidi, kSubnetMaskKind),
        Read(yeniVarsayilanAg, kGatewayKind), Read(yeniDNS, kDnsServerKind)};
    const std::string& newAddress = addresses.front().value;

    // A mistyped DNS must not be found after the device's address has changed.
    for (const AddressToWrite& address : addresses) {
        ProgrammableAddressParts(address.value, address.caption);
    }

    // A warning only: a device may well be moved to another network.
    FieldList pcParts;
    FieldList deviceParts;
    dm.SplitFields(kDottedDelimiter, GetLocalIpText(), pcParts);
    dm.SplitFields(kDottedDelimiter, newAddress, deviceParts);
    if (!SameAddressGroup(pcParts, deviceParts)) {
        showInformation(std::string(kGroupMismatchText));
    }

    if (!dm.ConnectDevice(deviceAddressText(), devicePortText())) {
        return; // the connect's log line says so
    }
    // A device given such an address no longer answers.
    if (LastOctetIsZero(newAddress)) {
        showInformation(std::string(kLastOctetZeroText));
        return;
    }
    if (FirstOctetIs127(newAddress)) {
        showInformation(std::string(kLoopbackText));
        return;
    }

    // Each address goes out whatever became of the one before. Those the device did
    // not take are named, so that nobody power-cycles a device that took nothing.
    std::vector<std::string> failures;
    for (const AddressToWrite& address : addresses) {
        const WriteOutcome outcome =
            dm.SetAddressValue(address.value, address.prefix, address.caption, false);
        if (!outcome.set) {
            failures.push_back(outcome.text);
        }
    }
    for (const std::string& failure : failures) {
        showInformation(failure);
    }
    showInformation(std::string(kPowerCycleText));
}

void TfrmMain::btnYeniIPClick() {
    writeAddress(yeniCihazIP, kDeviceAddressKind);
}

void TfrmMain::btnAltAgClick() {
    writeAddress(yeniAgGecidi, kSubnetMaskKind);
}

void TfrmMain::btnVarsayilanAgClick() {
    writeAddress(yeniVarsayilanAg, kGatewayKind);
}

void TfrmMain::btnDNSClick() {
    writeAddress(yeniDNS, kDnsServerKind);
}

void TfrmMain::BTNServerIPClick() {
    writeAddress(UzakIP, kServerAddressKind);
}

} // namespace kelvra
