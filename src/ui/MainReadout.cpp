#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "ui/Main.h"

#include <QString>
#include <array>
#include <utility>

namespace kelvra {

namespace {

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Std(const TCaptionedEdit* box) {
    return box->text().toStdString();
}

// Shows a value from its start: a MAC or a record item may be wider than its box.
void Show(TCaptionedEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

void Show(TCaptionedEdit* box, const std::string& text) {
    Show(box, ToQ(text));
}

// Where the settings record lands: position, box. Positions 2 and 3 are not shown.
using BoxMember = TCaptionedEdit* TfrmMain::*;
constexpr std::array<std::pair<int, BoxMember>, 12> kSettingsBoxes{{
    {0, &TfrmMain::cbSaat},
    {1, &TfrmMain::cbTarih},
    {4, &TfrmMain::cbOrtamIsiY},
    {5, &TfrmMain::cbOrtamIsiD},
    {6, &TfrmMain::cbNemYuksek},
    {7, &TfrmMain::cbNemDusuk},
    {8, &TfrmMain::cbBasincYuksek},
    {9, &TfrmMain::cbBasincDusuk},
    {10, &TfrmMain::cbDolapIsiYuksek},
    {11, &TfrmMain::cbDolapIsiDusuk},
    {12, &TfrmMain::cbYakinIsiYuksek},
    {13, &TfrmMain::cbYakinIsiDusuk},
}};

} // namespace

// Reads the whole device into the window: one connect, eight read commands. The
// readout goes on whether the handshake was answered or not.
void TfrmMain::btnBilgileriAlClick() {
    if (FKelvraDM == nullptr) {
        return;
    }
    TFKelvraDM& dm = *FKelvraDM;
    using namespace protocol;

    dm.ConnectDevice(Std(cihazIP), Std(cihazPort));

    CasResponse = dm.QueryDevice(std::string(kReadIdentity));
    dm.LoadRecord(CasResponse);
    appendLog(dm.TimeStamp() + " CAS " + CasResponse);
    Show(EDTCIHAZID, dm.Fields()[0]);

    Show(yeniCihazIP, cihazIP->text());
    Show(cIP, cihazIP->text());

    Show(CPort, dm.QueryDevice(std::string(kReadPort)));
    Show(CMac, dm.FormatMac(dm.QueryDevice(std::string(kReadMac))));

    Show(CGateway, dm.QueryDevice(std::string(kReadGateway)));
    Show(yeniVarsayilanAg, CGateway->text());
    Show(cIPMask, dm.QueryDevice(std::string(kReadMask)));
    Show(yeniAgGecidi, cIPMask->text());
    Show(cDNS, dm.QueryDevice(std::string(kReadDns)));
    Show(yeniDNS, cDNS->text());

    const std::string settings = dm.QueryDevice(std::string(kReadSettings));
    if (settings.empty()) {
        // A silent device: show no values rather than stale ones, and go on.
        for (const auto& [position, box] : kSettingsBoxes) {
            (this->*box)->clear();
        }
    } else {
        dm.LoadRecord(settings);
        // Box by box, so that a short record fills what it holds before it fails.
        for (const auto& [position, box] : kSettingsBoxes) {
            Show(this->*box, dm.Fields()[position]);
        }
    }

    Show(CServerIP, dm.QueryDevice(std::string(kReadServer)));
    Show(cServerPort, std::string(kServerPort));
}

} // namespace kelvra
