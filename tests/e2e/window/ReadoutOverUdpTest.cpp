// "Bilgileri Al" in the real window, over the real endpoint and clock, against the
// simulator on loopback.

#include "e2e/window/WindowOnSim.h"
#include "link/ReadoutField.h"
#include "support/qt/PaintWatch.h"
#include "support/qt/WindowTexts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>
#include <set>

namespace kelvra::e2e {
namespace {

using test::PaintWatch;

// A whole readout's log lines: the connect line, one a read and the identity's own.
constexpr int kReadoutLogLines = kReadoutDatagramCount + 1;

int LogLineCount(const TfrmMain& window) {
    return static_cast<int>(test::LogLines(window).size());
}

TEST(ReadoutOverUdp, FillsEveryBoxFromTheDevice) {
    WindowOnSim rig;
    TfrmMain& window = rig.window;
    const test::RecordingDialogs& dialogs = rig.dialogs;
    const SimProcess& sim = rig.sim;
    window.btnBilgileriAl->click();

    EXPECT_TRUE(dialogs.stops.empty()) << dialogs.stopTexts().join('|').toStdString();
    EXPECT_TRUE(dialogs.informations.empty());
    const QStringList shown = test::BoxTexts(
        window, "EDTCIHAZID cIP yeniCihazIP CPort CMac CGateway yeniVarsayilanAg cIPMask "
                "yeniAgGecidi cDNS yeniDNS cbOrtamIsiY cbOrtamIsiD cbNemYuksek cbNemDusuk "
                "cbBasincYuksek cbBasincDusuk cbDolapIsiYuksek cbDolapIsiDusuk cbYakinIsiYuksek "
                "cbYakinIsiDusuk CServerIP cServerPort");
    EXPECT_EQ(shown.join(" ").toStdString(),
              "KLV-DL200 127.0.0.1 127.0.0.1 " + sim.portText() +
                  " 00.04.A3.12.34.56 192.168.1.1 192.168.1.1 255.255.255.0 255.255.255.0"
                  " 192.168.1.1 192.168.1.1 35 5 80 20 1050 950 40 10 45 15 192.168.1.100 8080");
    // The device's clock, in the PC's formats.
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(window.cbSaat->text()).hasMatch());
    EXPECT_TRUE(
        QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}$").match(window.cbTarih->text()).hasMatch());
    EXPECT_EQ(window.mmo->toPlainText().split('\n').size(), kReadoutLogLines);
}

// Against a device that answers each command 100 ms late, the log shows each line
// as it comes, and the window follows a resize, while the readout still runs.
TEST(ReadoutOverUdp, PaintsEachLogLineWhileTheReadoutRuns) {
    WindowOnSim rig({"--late-ms", "100"});
    TfrmMain& window = rig.window;
    const test::RecordingDialogs& dialogs = rig.dialogs;
    window.show();
    QElapsedTimer shown;
    shown.start();
    while (!window.windowHandle()->isExposed() && shown.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(window.windowHandle()->isExposed());
    const int widthBefore = window.mmo->width();

    bool running = false;
    std::set<int> paintedLineCounts;
    int widestPaint = 0;
    const PaintWatch watch(window.mmo->viewport(), [&] {
        if (running) {
            paintedLineCounts.insert(LogLineCount(window));
            widestPaint = std::max(widestPaint, window.mmo->width());
        }
    });
    QTimer::singleShot(1500, &window, [&] { window.resize(window.width() + 80, window.height()); });
    running = true;
    window.btnBilgileriAl->click();
    running = false;

    EXPECT_TRUE(dialogs.stops.empty()) << dialogs.stopTexts().join('|').toStdString();
    ASSERT_EQ(LogLineCount(window), kReadoutLogLines);
    ASSERT_FALSE(paintedLineCounts.empty());
    // Every line but the last was on the screen before the readout ended.
    EXPECT_EQ(*paintedLineCounts.rbegin(), kReadoutLogLines - 1);
    EXPECT_GE(paintedLineCounts.size(), 7U);
    EXPECT_GT(widestPaint, widthBefore);
}

} // namespace
} // namespace kelvra::e2e
