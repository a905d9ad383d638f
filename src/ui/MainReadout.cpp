#include "link/DeviceReadout.h"
#include "link/KelvraDM.h"
#include "ui/Main.h"

#include <QString>
#include <utility>

namespace kelvra {

namespace {

// Shows a value from its start: a MAC or a record item may be wider than its box.
void Show(TCaptionedEdit* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
    box->setCursorPosition(0);
}

// The boxes each readout value lands in, in the order they are filled; network
// settings also fill the boxes of the values to be written.
using BoxMember = TCaptionedEdit* TfrmMain::*;
constexpr std::pair<ReadoutField, BoxMember> kBoxes[] = {
    {ReadoutField::Identity, &TfrmMain::EDTCIHAZID},
    {ReadoutField::Address, &TfrmMain::yeniCihazIP},
    {ReadoutField::Address, &TfrmMain::cIP},
    {ReadoutField::Port, &TfrmMain::CPort},
    {ReadoutField::Mac, &TfrmMain::CMac},
    {ReadoutField::Gateway, &TfrmMain::CGateway},
    {ReadoutField::Gateway, &TfrmMain::yeniVarsayilanAg},
    {ReadoutField::Mask, &TfrmMain::cIPMask},
    {ReadoutField::Mask, &TfrmMain::yeniAgGecidi},
    {ReadoutField::Dns, &TfrmMain::cDNS},
    {ReadoutField::Dns, &TfrmMain::yeniDNS},
    {ReadoutField::Time, &TfrmMain::cbSaat},
    {ReadoutField::Date, &TfrmMain::cbTarih},
    {ReadoutField::AmbientHigh, &TfrmMain::cbOrtamIsiY},
    {ReadoutField::AmbientLow, &TfrmMain::cbOrtamIsiD},
    {ReadoutField::HumidityHigh, &TfrmMain::cbNemYuksek},
    {ReadoutField::HumidityLow, &TfrmMain::cbNemDusuk},
    {ReadoutField::PressureHigh, &TfrmMain::cbBasincYuksek},
    {ReadoutField::PressureLow, &TfrmMain::cbBasincDusuk},
    {ReadoutField::CabinetHigh, &TfrmMain::cbDolapIsiYuksek},
    {ReadoutField::CabinetLow, &TfrmMain::cbDolapIsiDusuk},
    {ReadoutField::NearHigh, &TfrmMain::cbYakinIsiYuksek},
    {ReadoutField::NearLow, &TfrmMain::cbYakinIsiDusuk},
    {ReadoutField::Server, &TfrmMain::CServerIP},
    {ReadoutField::ServerPort, &TfrmMain::cServerPort},
};

} // namespace

// Reads the whole device into the window, box by box as the values arrive, so an
// error shows every value read before it. The readout goes on whether the handshake
// was answered or not.
void TfrmMain::btnBilgileriAlClick() {
    if (dataModule_ == nullptr) {
        return;
    }
    ReadDeviceInformation(*dataModule_, cihazIP->text().toStdString(),
                          cihazPort->text().toStdString(),
                          [this](ReadoutField field, const std::string& value) {
                              for (const auto& [boxField, box] : kBoxes) {
                                  if (boxField == field) {
                                      Show(this->*box, value);
                                  }
                              }
                          });
}

} // namespace kelvra
