// Prints how long the window goes without handling its events while device
// operations run against kelvra-sim, and how the operations keep their pacing with
// the window's turns in their waits. Usage: window_wait_bench [runs]
//
// The window is offscreen and shown; it runs in a private network namespace when
// it may, and its host network is a table, so it reaches nothing but the simulator.

#include "e2e/support/PrivateNetwork.h"
#include "e2e/support/SimProcess.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "link/ReadoutField.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeHostNetwork.h"
#include "support/qt/RecordingDialogs.h"
#include "ui/Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;
using namespace kelvra::protocol;

constexpr int kDefaultRuns = 3;

double Ms(Steady::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Sits between the link's waits and the window and times the turns: the longest
// stretch without one (from the start, between turns, to the end) is how long the
// window went without handling its events.
class TimedTurns : public kelvra::WaitListener {
public:
    explicit TimedTurns(std::function<void()> turn) : turn_(std::move(turn)) {}

    void setTurn(std::function<void()> turn) { turn_ = std::move(turn); }

    void duringWait() override {
        const Steady::time_point start = Steady::now();
        gaps.push_back(Ms(start - lastEnd_));
        turn_();
        lastEnd_ = Steady::now();
        longestTurn = std::max(longestTurn, lastEnd_ - start);
        ++turns;
    }
    void begin() {
        lastEnd_ = Steady::now();
        gaps.clear();
        longestTurn = {};
        turns = 0;
    }
    void end() { gaps.push_back(Ms(Steady::now() - lastEnd_)); }

    std::vector<double> gaps;
    Steady::duration longestTurn{};
    int turns = 0;

private:
    std::function<void()> turn_;
    Steady::time_point lastEnd_ = Steady::now();
};

struct Figures {
    std::vector<double> totals;
    std::vector<double> gaps;
    double longestTurn = 0;
    int turns = 0;
};

void Measure(Figures& figures, TimedTurns& timed, const std::function<void()>& operation) {
    const Steady::time_point start = Steady::now();
    timed.begin();
    operation();
    timed.end();
    figures.totals.push_back(Ms(Steady::now() - start));
    figures.gaps.insert(figures.gaps.end(), timed.gaps.begin(), timed.gaps.end());
    figures.longestTurn = std::max(figures.longestTurn, Ms(timed.longestTurn));
    figures.turns = timed.turns;
}

// expectedMs: the fixed pauses plus the time the replies are late beyond them.
void Report(const char* what, const Figures& f, int expectedMs) {
    double total = 0;
    for (double ms : f.totals) {
        total += ms;
    }
    const double mean = total / static_cast<double>(f.totals.size());
    std::vector<double> gaps = f.gaps;
    std::sort(gaps.begin(), gaps.end());
    const double p99 = gaps[gaps.size() * 99 / 100];
    std::printf("%-30s runs %zu  mean %8.1f ms  expected %6d ms  over %+5.2f %%  "
                "without events: longest %5.1f ms, 99th pct %4.1f ms  longest turn %4.1f ms  "
                "turns/run %d\n",
                what, f.totals.size(), mean, expectedMs, (mean - expectedMs) * 100.0 / expectedMs,
                gaps.back(), p99, f.longestTurn, f.turns);
}

} // namespace

int main(int argc, char** argv) {
    const bool privateNetwork = kelvra::e2e::EnterPrivateNetwork();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::stoi(argv[1]) : kDefaultRuns;
    std::printf("private network: %s, platform: %s\n", privateNetwork ? "yes" : "no",
                QApplication::platformName().toStdString().c_str());

    kelvra::test::RecordingDialogs dialogs;
    kelvra::TfrmMain window(dialogs);
    kelvra::net::UdpEndpoint endpoint;
    kelvra::net::SystemClock clock;
    kelvra::test::FakeHostNetwork network;
    // The readout as the operator starts it: the button, the window's own turns.
    TimedTurns turns([&window] { window.duringWait(); });
    kelvra::TFKelvraDM dm(endpoint, clock, window, network, &turns);
    window.attachDataModule(dm);
    window.show();
    QElapsedTimer shown;
    shown.start();
    while (!window.windowHandle()->isExposed() && shown.elapsed() < 5000) {
        QApplication::processEvents();
    }

    for (const int lateMs : {0, 400}) {
        const kelvra::e2e::SimProcess sim(
            lateMs > 0 ? std::vector<std::string>{"--late-ms", std::to_string(lateMs)}
                       : std::vector<std::string>{});
        window.cihazIP->setText("127.0.0.1");
        window.cihazPort->setText(QString::fromStdString(sim.portText()));
        Figures readout;
        for (int i = 0; i < runs; ++i) {
            window.mmo->clear();
            Measure(readout, turns, [&] { window.btnBilgileriAl->click(); });
        }
        const std::string what = "readout, replies +" + std::to_string(lateMs) + " ms";
        // The connect waits for the whole delay; a query's reply had 300 ms already.
        const int lateBeyondPauses =
            lateMs + kelvra::kReadCommandCount * std::max(0, lateMs - kCommandPauseMs);
        Report(what.c_str(), readout, kelvra::kReadoutPausesMs + lateBeyondPauses);
    }

    // "Cihaza Uygula" as the operator starts it: a connect, then four addresses of
    // four octets and a commit each, every one a confirmed setting.
    {
        const kelvra::e2e::SimProcess sim;
        window.cihazIP->setText("127.0.0.1");
        window.cihazPort->setText(QString::fromStdString(sim.portText()));
        // The readout copied the device's own loopback address here, which is refused.
        window.yeniCihazIP->setText("192.168.1.201");
        Figures apply;
        for (int i = 0; i < runs; ++i) {
            window.mmo->clear();
            Measure(apply, turns, [&] { window.btnCihazaUygula->click(); });
        }
        constexpr int kSettingPausesMs = 3 * kCommandPauseMs; // handshake, set, reply
        Report("apply (Cihaza Uygula)", apply, kConnectSettleMs + 4 * 5 * kSettingPausesMs);
    }

    // A long, connect-heavy operation: a setting against a device that refuses
    // every handshake, so all ten tries reconnect. The same turns as the window's
    // (its log fills meanwhile), taken outside a button handler.
    turns.setTurn([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    {
        const kelvra::e2e::SimProcess sim({"--refuse-handshake"});
        const std::string port = sim.portText();
        window.cihazPort->setText(QString::fromStdString(port));
        Figures setting;
        for (int i = 0; i < runs; ++i) {
            window.mmo->clear();
            Measure(setting, turns, [&] {
                dm.ConnectDevice("127.0.0.1", port);
                dm.SetDeviceValue("SIP", "192", "Yeni IP Adresi");
            });
        }
        constexpr int kSettingPauses = kConnectSettleMs +
                                       kHandshakeTries * (kCommandPauseMs + kConnectSettleMs) +
                                       2 * kCommandPauseMs;
        Report("connect + refused setting", setting, kSettingPauses);
    }
    for (const QString& text : dialogs.stopTexts()) {
        std::fprintf(stderr, "stop box: %s\n", text.toStdString().c_str());
    }
    return 0;
}
