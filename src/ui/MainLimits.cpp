// The alarm limit and calibration buttons: one limit command per box, no handshake,
// the log line as the only trace.

#include "link/KelvraDM.h"
#include "link/Operations.h"
#include "ui/Main.h"

namespace kelvra {

void TfrmMain::sendLimitPair(const TCaptionedEdit* high, const TCaptionedEdit* low,
                             const Quantity& quantity) {
    if (dataModule_ == nullptr) {
        return;
    }
    dataModule_->SetLimitPair(quantity, high->text().toStdString(), low->text().toStdString());
}

void TfrmMain::sendCalibration(const TCaptionedEdit* box) {
    if (dataModule_ == nullptr) {
        return;
    }
    dataModule_->SetCalibration(box->text().toStdString());
}

void TfrmMain::btnOrtamIsiClick() {
    sendLimitPair(cbOrtamIsiY, cbOrtamIsiD, kAmbient);
}

void TfrmMain::btnNemClick() {
    sendLimitPair(cbNemYuksek, cbNemDusuk, kHumidity);
}

void TfrmMain::btnBasincClick() {
    sendLimitPair(cbBasincYuksek, cbBasincDusuk, kPressure);
}

void TfrmMain::btnDolapIsiSetClick() {
    sendLimitPair(cbDolapIsiYuksek, cbDolapIsiDusuk, kCabinet);
}

void TfrmMain::btnYakinIsiClick() {
    sendLimitPair(cbYakinIsiYuksek, cbYakinIsiDusuk, kNear);
}

void TfrmMain::btnKalibrasyonArtiClick() {
    sendCalibration(cbKalibrasyonArti);
}

void TfrmMain::btnKalibrasyonEksiClick() {
    sendCalibration(cbKalibrasyonEksi);
}

} // namespace kelvra
