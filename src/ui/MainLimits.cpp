// The alarm limit and calibration buttons: one limit command per box, no handshake,
// the log line as the only trace.

#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "ui/Main.h"

namespace kelvra {

// The low box is read only once the high command's exchange has ended.
void TfrmMain::sendLimitPair(const TCaptionedEdit* high, std::string_view highCommand,
                             const TCaptionedEdit* low, std::string_view lowCommand) {
    if (FKelvraDM == nullptr) {
        return;
    }
    FKelvraDM->SendLimit(std::string(highCommand), high->text().toStdString());
    FKelvraDM->SendLimit(std::string(lowCommand), low->text().toStdString());
}

void TfrmMain::sendCalibration(const TCaptionedEdit* box) {
    if (FKelvraDM == nullptr) {
        return;
    }
    // Both boxes send the same command; the sign is the box value's own.
    FKelvraDM->SendLimit(std::string(protocol::kCalibration), box->text().toStdString());
}

void TfrmMain::btnOrtamIsiClick() {
    sendLimitPair(cbOrtamIsiY, protocol::kAmbientHigh, cbOrtamIsiD, protocol::kAmbientLow);
}

void TfrmMain::btnNemClick() {
    sendLimitPair(cbNemYuksek, protocol::kHumidityHigh, cbNemDusuk, protocol::kHumidityLow);
}

void TfrmMain::btnBasincClick() {
    sendLimitPair(cbBasincYuksek, protocol::kPressureHigh, cbBasincDusuk, protocol::kPressureLow);
}

void TfrmMain::btnDolapIsiSetClick() {
    sendLimitPair(cbDolapIsiYuksek, protocol::kCabinetHigh, cbDolapIsiDusuk, protocol::kCabinetLow);
}

void TfrmMain::btnYakinIsiClick() {
    sendLimitPair(cbYakinIsiYuksek, protocol::kNearHigh, cbYakinIsiDusuk, protocol::kNearLow);
}

void TfrmMain::btnKalibrasyonArtiClick() {
    sendCalibration(cbKalibrasyonArti);
}

void TfrmMain::btnKalibrasyonEksiClick() {
    sendCalibration(cbKalibrasyonEksi);
}

} // namespace kelvra
