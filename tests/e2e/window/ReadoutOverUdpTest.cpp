// "Bilgileri Al" in the real window, over the real endpoint and clock, against the
// simulator on loopback.

#include "../SimProcess.h"
#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeConsole.h"
#include "ui/Dialogs.h"
#include "ui/Main.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <gtest/gtest.h>

namespace kelvra::e2e {
namespace {

struct RecordedDialogs : Dialogs {
    void information(QWidget*, const QString&, const QString& text) override {
        informations << text;
    }
    void stop(QWidget*, const QString&, const QString& text) override { stops << text; }
    QStringList informations;
    QStringList stops;
};

class ReadoutOverUdp : public ::testing::Test {
protected:
    UdpEndpoint endpoint;
    SystemClock clock;
    testing::FakeHostNetwork network;
    RecordedDialogs dialogs;
    TfrmMain window{dialogs};
    TFKelvraDM dm{endpoint, clock, window, network};

    void SetUp() override { window.attachDataModule(dm); }
    void readFrom(const SimProcess& sim) {
        window.cihazIP->setText("127.0.0.1");
        window.cihazPort->setText(QString::fromStdString(sim.portText()));
        window.btnBilgileriAl->click();
    }
};

TEST_F(ReadoutOverUdp, FillsEveryBoxFromTheDevice) {
    SimProcess sim;
    readFrom(sim);

    EXPECT_TRUE(dialogs.stops.isEmpty()) << dialogs.stops.join('|').toStdString();
    EXPECT_EQ(window.EDTCIHAZID->text(), "KLV-DL200");
    EXPECT_EQ(window.cIP->text(), "127.0.0.1");
    EXPECT_EQ(window.yeniCihazIP->text(), "127.0.0.1");
    EXPECT_EQ(window.CPort->text().toStdString(), sim.portText());
    EXPECT_EQ(window.CMac->text(), "00.04.A3.12.34.56");
    EXPECT_EQ(window.CGateway->text(), "192.168.1.1");
    EXPECT_EQ(window.yeniVarsayilanAg->text(), "192.168.1.1");
    EXPECT_EQ(window.cIPMask->text(), "255.255.255.0");
    EXPECT_EQ(window.yeniAgGecidi->text(), "255.255.255.0");
    EXPECT_EQ(window.cDNS->text(), "192.168.1.1");
    EXPECT_EQ(window.yeniDNS->text(), "192.168.1.1");
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(window.cbSaat->text()).hasMatch());
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}$").match(window.cbTarih->text()).hasMatch());
    EXPECT_EQ(window.cbOrtamIsiY->text(), "35");
    EXPECT_EQ(window.cbOrtamIsiD->text(), "5");
    EXPECT_EQ(window.cbNemYuksek->text(), "80");
    EXPECT_EQ(window.cbNemDusuk->text(), "20");
    EXPECT_EQ(window.cbBasincYuksek->text(), "1050");
    EXPECT_EQ(window.cbBasincDusuk->text(), "950");
    EXPECT_EQ(window.cbDolapIsiYuksek->text(), "40");
    EXPECT_EQ(window.cbDolapIsiDusuk->text(), "10");
    EXPECT_EQ(window.cbYakinIsiYuksek->text(), "45");
    EXPECT_EQ(window.cbYakinIsiDusuk->text(), "15");
    EXPECT_EQ(window.CServerIP->text(), "192.168.1.100");
    EXPECT_EQ(window.cServerPort->text(), "8080");
    // The connect line, eight exchange lines and the extra identity line.
    EXPECT_EQ(window.mmo->toPlainText().split('\n').size(), 10);
}

TEST_F(ReadoutOverUdp, AShortSettingsRecordEndsInTheStopBox) {
    SimProcess sim({"--short-settings", "5"});
    readFrom(sim);
    EXPECT_EQ(dialogs.stops, QStringList{"List index out of bounds (5)"});
    EXPECT_EQ(window.cbOrtamIsiY->text(), "35");
    EXPECT_EQ(window.cbOrtamIsiD->text(), "");
    EXPECT_EQ(window.CServerIP->text(), "");
}

} // namespace
} // namespace kelvra::e2e
