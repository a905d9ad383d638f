// Writing to the device from the real window, over the real endpoint and clock,
// against the simulator on loopback, then reading it back with "Bilgileri Al".

#include "e2e/window/WindowOnSim.h"

#include <QDate>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace kelvra::e2e {
namespace {

TEST(WritesOverUdp, LimitsAndClockAreReadBack) {
    WindowOnSim w;
    TfrmMain& f = w.window;
    f.btnBaglan->click();
    f.cbDolapIsiYuksek->setText("30");
    f.cbDolapIsiDusuk->setText("-10");
    f.btnDolapIsiSet->click();
    f.cbKalibrasyonEksi->setText("-3");
    f.btnKalibrasyonEksi->click();
    f.btnTarihSaatSet->click();
    ASSERT_TRUE(w.dialogs.stops.empty()) << w.dialogs.stopTexts().join('|').toStdString();
    ASSERT_EQ(w.dialogs.informations.size(), 1U);
    EXPECT_TRUE(w.dialogs.informations[0].text.endsWith("   olarak set edildi."))
        << w.dialogs.informations[0].text.toStdString();
    EXPECT_TRUE(w.sim.waitForLine("calibration is now -3"));
    EXPECT_TRUE(w.sim.waitForLine("clock is now"));

    f.cbDolapIsiYuksek->clear();
    f.cbDolapIsiDusuk->clear();
    f.cbTarih->clear();
    f.btnBilgileriAl->click();
    EXPECT_TRUE(w.dialogs.stops.empty()) << w.dialogs.stopTexts().join('|').toStdString();
    EXPECT_EQ(f.cbDolapIsiYuksek->text(), "30");
    EXPECT_EQ(f.cbDolapIsiDusuk->text(), "-10");
    // The device's clock now runs with the PC's.
    EXPECT_EQ(f.cbTarih->text(), QDate::currentDate().toString("dd.MM.yyyy"));
}

TEST(WritesOverUdp, AppliedAddressesAreReadBack) {
    WindowOnSim w;
    TfrmMain& f = w.window;
    f.yeniCihazIP->setText("192.168.1.201");
    f.yeniAgGecidi->setText("255.255.0.0");
    f.yeniVarsayilanAg->setText("10.1.2.3");
    f.yeniDNS->setText("10.1.2.4");
    f.btnCihazaUygula->click();
    ASSERT_TRUE(w.dialogs.stops.empty()) << w.dialogs.stopTexts().join('|').toStdString();
    EXPECT_EQ(w.dialogs.informationTexts(),
              QStringList{"Cihazın Enerjisini Kapatıp Tekrar Açınız."});
    EXPECT_TRUE(w.sim.waitForLine("CI address is now 192.168.1.201"));

    f.btnBilgileriAl->click();
    EXPECT_TRUE(w.dialogs.stops.empty()) << w.dialogs.stopTexts().join('|').toStdString();
    EXPECT_EQ(f.cIPMask->text(), "255.255.0.0");
    EXPECT_EQ(f.CGateway->text(), "10.1.2.3");
    EXPECT_EQ(f.cDNS->text(), "10.1.2.4");
    EXPECT_EQ(f.yeniVarsayilanAg->text(), "10.1.2.3");
}

} // namespace
} // namespace kelvra::e2e
