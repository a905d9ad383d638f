// The window through many readouts against one simulated logger: its memory after
// every hundred, with the exchange log's size beside it (the one thing meant to
// grow), and its open descriptors. Usage: window_soak_bench [READOUTS]
//
// The window is offscreen; it runs in a private network namespace when it may, and
// its host network is a table, so it reaches nothing but the simulator. The link's
// pauses take no time here: memory does not depend on them, and 1,000 readouts at
// their fixed pauses would take more than an hour and a half. Every reply is still
// awaited.

#include "bench/SampledRun.h"
#include "bench/SimulatedLogger.h"
#include "e2e/support/PrivateNetwork.h"
#include "link/KelvraDM.h"
#include "link/ReadoutField.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"
#include "support/FakeHostNetwork.h"
#include "ui/Dialogs.h"
#include "ui/Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kDefaultReadouts = 1000;
constexpr int kReportEvery = 100;

// Counts the boxes rather than keeping them, so that the memory measured is the window's.
struct CountedDialogs : kelvra::Dialogs {
    void information(QWidget*, const QString&, const QString&) override {}
    void stop(QWidget*, const QString&, const QString& text) override {
        ++stops;
        std::fprintf(stderr, "stop box: %s\n", text.toStdString().c_str());
    }
    int stops = 0;
};

// The PC clock whose pauses return at once; its steady time jumps over them, so
// that the link's slices see each pause as over.
class UnpausedClock : public kelvra::Clock {
public:
    kelvra::TimePoint now() const override { return system_.now(); }
    void pause(int ms) override { skippedMs_ += ms; }
    long long steadyMs() const override { return system_.steadyMs() + skippedMs_; }
    std::string longTimeText(kelvra::TimePoint t) const override { return system_.longTimeText(t); }
    std::string shortDateText(kelvra::TimePoint t) const override {
        return system_.shortDateText(t);
    }
    kelvra::CalendarTime localTime(kelvra::TimePoint t) const override {
        return system_.localTime(t);
    }

private:
    kelvra::net::SystemClock system_;
    long long skippedMs_ = 0;
};

// This process's resident memory in KiB, from its status file.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return 0;
}

void Report(int done, long startKiB, const kelvra::TfrmMain& window, double seconds, int failed) {
    const long kib = ResidentKiB();
    const auto logKiB = window.mmo->toPlainText().toUtf8().size() / 1024;
    std::printf("%8d %12ld %12ld %10lld %11d %9.1f %8d\n", done, kib, kib - startKiB,
                static_cast<long long>(logKiB), kelvra::bench::OpenDescriptors(::getpid()), seconds,
                failed);
    std::fflush(stdout);
}

// Whether the log ends with the readout's last read and a reply to it.
bool LastReadAnswered(const kelvra::TfrmMain& window) {
    const QString lastLine = window.mmo->toPlainText().section(QLatin1Char('\n'), -1);
    const QString read =
        QStringLiteral(" %1>>>").arg(QString::fromUtf8(kelvra::ReadCommands().back().data()));
    return lastLine.contains(read) && !lastLine.endsWith(read);
}

void Soak(kelvra::TfrmMain& window, const CountedDialogs& dialogs, int readouts, bool emptied) {
    if (emptied) {
        window.btnTemizle->click();
    }
    const long startKiB = ResidentKiB();
    const auto start = std::chrono::steady_clock::now();
    int failed = 0;
    Report(0, startKiB, window, 0, failed);
    for (int i = 1; i <= readouts; ++i) {
        const int stopsBefore = dialogs.stops;
        window.btnBilgileriAl->click();
        QApplication::processEvents();
        failed += dialogs.stops == stopsBefore && LastReadAnswered(window) ? 0 : 1;
        if (emptied) {
            window.btnTemizle->click();
        }
        if (i % kReportEvery == 0 || i == readouts) {
            Report(i, startKiB, window,
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                   failed);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool privateNetwork = kelvra::e2e::EnterPrivateNetwork();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int readouts = argc > 1 ? std::atoi(argv[1]) : kDefaultReadouts;
    try {
        char folderTemplate[] = "/tmp/kelvra-window-soak.XXXXXX";
        const char* folder = ::mkdtemp(folderTemplate);
        if (folder == nullptr) {
            throw std::runtime_error("no folder for the simulator's log");
        }
        const kelvra::bench::SimulatedLogger logger(KELVRA_SIM_PATH, "127.1.0.1", {}, folder);

        CountedDialogs dialogs;
        kelvra::TfrmMain window(dialogs);
        kelvra::net::UdpEndpoint endpoint;
        UnpausedClock clock;
        kelvra::test::FakeHostNetwork network;
        kelvra::TFKelvraDM dm(endpoint, clock, window, network, &window);
        window.attachDataModule(dm);
        window.show();
        QElapsedTimer shown;
        shown.start();
        while (!window.windowHandle()->isExposed() && shown.elapsed() < 5000) {
            QApplication::processEvents();
        }
        window.cihazIP->setText("127.1.0.1");
        window.cihazPort->setText("10001");
        std::printf("window soak: %d readouts against one simulated logger (its log in %s); "
                    "private network: %s\n",
                    readouts, folder, privateNetwork ? "yes" : "no");
        // Then again with the log emptied after every readout, as "Temizle" does: what
        // still grows is not the log's.
        for (const bool emptied : {false, true}) {
            std::printf("\n%s\n%8s %12s %12s %10s %11s %9s %8s\n",
                        emptied ? "the log emptied after every readout" : "the log kept",
                        "readouts", "memory_kib", "growth_kib", "log_kib", "descriptors", "seconds",
                        "failed");
            Soak(window, dialogs, readouts, emptied);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window soak: %s\n", error.what());
        return 1;
    }
    return 0;
}
