#include "ui/Main.h"

#include <QPushButton>
#include <QToolButton>

namespace kelvra {

// Every button that writes to the device talks to it, so each runs as a device
// handler: wait cursor, stop box for an escaping error.
void TfrmMain::wireWriteHandlers() {
    const std::pair<QAbstractButton*, void (TfrmMain::*)()> buttons[] = {
        {btnOrtamIsi, &TfrmMain::btnOrtamIsiClick},
        {btnNem, &TfrmMain::btnNemClick},
        {btnBasinc, &TfrmMain::btnBasincClick},
        {btnDolapIsiSet, &TfrmMain::btnDolapIsiSetClick},
        {btnYakinIsi, &TfrmMain::btnYakinIsiClick},
        {btnKalibrasyonArti, &TfrmMain::btnKalibrasyonArtiClick},
        {btnKalibrasyonEksi, &TfrmMain::btnKalibrasyonEksiClick},
        {btnTarihSaatSet, &TfrmMain::btnTarihSaatSetClick},
        {btnCihazaUygula, &TfrmMain::btnCihazaUygulaClick},
        {btnYeniIP, &TfrmMain::btnYeniIPClick},
        {btnAltAg, &TfrmMain::btnAltAgClick},
        {btnVarsayilanAg, &TfrmMain::btnVarsayilanAgClick},
        {btnDNS, &TfrmMain::btnDNSClick},
        {BTNServerIP, &TfrmMain::BTNServerIPClick},
    };
    for (const auto& [button, handler] : buttons) {
        bindClick(button, handler, HandlerKind::Device);
    }
}

} // namespace kelvra
