// Writing the device's network addresses: "Cihaza Uygula" and the per-field buttons.

#include "core/AddressParts.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "ui/Main.h"

#include <array>

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

AddressToWrite Read(const TCaptionedEdit* box, std::string_view prefix) {
    return {box->text().toStdString(), std::string(prefix),
            box->FieldCaption()->text().toStdString()};
}

} // namespace

std::string TfrmMain::GetLocalIpText() {
    return FKelvraDM != nullptr ? FKelvraDM->GetLocalIpText() : std::string();
}

void TfrmMain::writeAddress(const TCaptionedEdit* box, std::string_view prefix) {
    if (FKelvraDM == nullptr) {
        return;
    }
    const AddressToWrite address = Read(box, prefix);
    FKelvraDM->SetAddressValue(address.value, address.prefix, address.caption, true);
}

// Readdresses the device: address, mask, gateway and DNS, then asks for a power
// cycle. The texts are read once, so what was checked is what is written.
void TfrmMain::btnCihazaUygulaClick() {
    if (FKelvraDM == nullptr) {
        return;
    }
    TFKelvraDM& dm = *FKelvraDM;
    using namespace protocol;
    const std::array<AddressToWrite, 4> addresses{
        Read(yeniCihazIP, kDeviceAddress), Read(yeniAgGecidi, kSubnetMask),
        Read(yeniVarsayilanAg, kGateway), Read(yeniDNS, kDnsServer)};
    const std::string& newAddress = addresses.front().value;

    // A mistyped DNS must not be found after the device's address has changed.
    for (const AddressToWrite& address : addresses) {
        AddressParts(address.value);
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

    // Each address goes out whatever became of the one before; the log shows the replies.
    for (const AddressToWrite& address : addresses) {
        dm.SetAddressValue(address.value, address.prefix, address.caption, false);
    }
    showInformation(std::string(kPowerCycleText));
}

void TfrmMain::btnYeniIPClick() {
    writeAddress(yeniCihazIP, protocol::kDeviceAddress);
}

void TfrmMain::btnAltAgClick() {
    writeAddress(yeniAgGecidi, protocol::kSubnetMask);
}

void TfrmMain::btnVarsayilanAgClick() {
    writeAddress(yeniVarsayilanAg, protocol::kGateway);
}

void TfrmMain::btnDNSClick() {
    writeAddress(yeniDNS, protocol::kDnsServer);
}

void TfrmMain::BTNServerIPClick() {
    writeAddress(UzakIP, protocol::kServerAddress);
}

} // namespace kelvra
