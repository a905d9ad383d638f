// Writing the device's network addresses: "Cihaza Uygula" and the per-field buttons.

#include "link/KelvraDM.h"
#include "link/NetworkApply.h"
#include "link/Operations.h"
#include "ui/Main.h"

namespace kelvra {

namespace {

// One address as the press found it: the box's text, its prefix, its label's text.
AddressSetting Read(const TCaptionedEdit* box, const AddressKind& kind) {
    return {box->text().toStdString(), std::string(kind.prefix),
            box->FieldCaption()->text().toStdString()};
}

} // namespace

void TfrmMain::writeAddress(const TCaptionedEdit* box, const AddressKind& kind) {
    if (dataModule_ == nullptr) {
        return;
    }
    const AddressSetting address = Read(box, kind);
    dataModule_->SetAddressValue(address.value, address.prefix, address.caption, true);
}

// The texts are read once, so what was checked is what is written.
void TfrmMain::btnCihazaUygulaClick() {
    if (dataModule_ == nullptr) {
        return;
    }
    dataModule_->ApplyNetworkSettings(
        {Read(yeniCihazIP, kDeviceAddressKind), Read(yeniAgGecidi, kSubnetMaskKind),
         Read(yeniVarsayilanAg, kGatewayKind), Read(yeniDNS, kDnsServerKind)});
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
