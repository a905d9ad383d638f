// "Bilgileri Al" in the real window, over the real endpoint and clock, against the
// simulator on loopback.

#include "e2e/support/SimProcess.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeConsole.h"
#include "support/FakeHostNetwork.h"
#include "ui/Dialogs.h"
#include "ui/Main.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <gtest/gtest.h>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;

struct RecordedDialogs : Dialogs {
    void information(QWidget*, const QString&, const QString& text) override {
        informations << text;
    }
    void stop(QWidget*, const QString&, const QString& text) override { stops << text; }
    QStringList informations;
    QStringList stops;
};

TEST(ReadoutOverUdp, FillsEveryBoxFromTheDevice) {
    SimProcess sim;
    UdpEndpoint endpoint;
    SystemClock clock;
    testing::FakeHostNetwork network;
    RecordedDialogs dialogs;
    TfrmMain window{dialogs};
    TFKelvraDM dm{endpoint, clock, window, network};
    window.attachDataModule(dm);
    window.cihazIP->setText("127.0.0.1");
    window.cihazPort->setText(QString::fromStdString(sim.portText()));
    window.btnBilgileriAl->click();

    EXPECT_TRUE(dialogs.stops.isEmpty()) << dialogs.stops.join('|').toStdString();
    EXPECT_TRUE(dialogs.informations.isEmpty());
    QStringList shown;
    for (const QString& name :
         QString("EDTCIHAZID cIP yeniCihazIP CPort CMac CGateway yeniVarsayilanAg cIPMask "
                 "yeniAgGecidi cDNS yeniDNS cbOrtamIsiY cbOrtamIsiD cbNemYuksek cbNemDusuk "
                 "cbBasincYuksek cbBasincDusuk cbDolapIsiYuksek cbDolapIsiDusuk cbYakinIsiYuksek "
                 "cbYakinIsiDusuk CServerIP cServerPort")
             .split(' ')) {
        const auto* box = window.findChild<TCaptionedEdit*>(name);
        shown << (box != nullptr ? box->text() : "(no " + name + ")");
    }
    EXPECT_EQ(shown.join(" ").toStdString(),
              "KLV-DL200 127.0.0.1 127.0.0.1 " + sim.portText() +
                  " 00.04.A3.12.34.56 192.168.1.1 192.168.1.1 255.255.255.0 255.255.255.0"
                  " 192.168.1.1 192.168.1.1 35 5 80 20 1050 950 40 10 45 15 192.168.1.100 8080");
    // The device's clock, in the PC's formats.
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(window.cbSaat->text()).hasMatch());
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}$").match(window.cbTarih->text()).hasMatch());
    // The connect line, eight exchange lines and the extra identity line.
    EXPECT_EQ(window.mmo->toPlainText().split('\n').size(), 10);
}

} // namespace
} // namespace kelvra::e2e
