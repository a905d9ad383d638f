// Prints how long kelvra-cli's site tools take against simulated data loggers, with
// the program's peak memory: a scan of a /24 and of a /22 holding 20 loggers,
// against one unanswered handshake plus one identity read, and a restore of one
// settings file to 50 loggers against its restore to one. It runs only in a private
// network namespace of its own, where every address it scans is loopback.
// Usage: site_bench [runs]

#include "e2e/support/ChildProgram.h"
#include "e2e/support/PrivateNetwork.h"
#include "e2e/support/SimProcess.h"
#include "link/Protocol.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace kelvra::e2e;
using Words = std::vector<std::string>;

constexpr int kDefaultRuns = 3;
constexpr int kScannedLoggers = 20;
constexpr int kRestoredLoggers = 50;

struct Figures {
    double meanSeconds = 0;
    double worstSeconds = 0;
    long peakKiB = 0;
};

// runs runs of kelvra-cli with arguments, each ending with status 0 and lines lines.
Figures Measure(const Words& arguments, std::size_t lines, int runs) {
    Figures figures;
    for (int i = 0; i < runs; ++i) {
        const ProgramRun run = RunProgram(KELVRA_CLI_PATH, arguments);
        if (run.exitStatus != 0 || Lines(run.out).size() != lines) {
            throw std::runtime_error("kelvra-cli " + arguments.front() + " failed:\n" + run.out);
        }
        figures.meanSeconds += run.seconds / runs;
        figures.worstSeconds = std::max(figures.worstSeconds, run.seconds);
        figures.peakKiB = std::max(figures.peakKiB, run.peakMemoryKiB);
    }
    return figures;
}

void Report(const std::string& what, const Figures& figures, double referenceSeconds) {
    std::printf("%-26s mean %6.3f s  worst %6.3f s  %.3f times %.3f s  peak memory %6ld KiB\n",
                what.c_str(), figures.meanSeconds, figures.worstSeconds,
                figures.meanSeconds / referenceSeconds, referenceSeconds, figures.peakKiB);
}

void Scans(int runs) {
    // Spread over 127.0.2.0/24, all on the first one's port.
    std::vector<std::unique_ptr<SimProcess>> sims;
    sims.push_back(std::make_unique<SimProcess>(Words{}, "127.0.2.1"));
    const int port = sims.front()->port();
    for (int i = 1; i < kScannedLoggers; ++i) {
        sims.push_back(
            std::make_unique<SimProcess>(Words{}, "127.0.2." + std::to_string(1 + i * 12), port));
    }
    using namespace kelvra::protocol;
    const double reference = (kConnectSettleMs + kReceiveTimeoutMs + 2 * kCommandPauseMs) / 1000.0;
    for (const char* range : {"127.0.2.0/24", "127.0.0.0/22"}) {
        const Figures scan =
            Measure({"scan", range, "--port", std::to_string(port)}, kScannedLoggers, runs);
        Report(std::string("scan ") + range, scan, reference);
    }
    std::printf("(the reference: one unanswered handshake plus one identity read)\n");
}

void Restores(int runs) {
    std::vector<std::unique_ptr<SimProcess>> sims;
    Words devices;
    for (int i = 0; i < kRestoredLoggers; ++i) {
        const std::string address = "127.0.1." + std::to_string(i + 1);
        sims.push_back(std::make_unique<SimProcess>(Words{}, address));
        devices.insert(devices.end(), {"--device", address + ":" + sims.back()->portText()});
    }
    const ProgramRun backup =
        RunProgram(KELVRA_CLI_PATH, {"--json", devices[0], devices[1], "read"});
    const std::string file = "/tmp/kelvra-site-bench.json";
    std::ofstream(file) << backup.out;

    const Figures one = Measure({devices[0], devices[1], "restore", file}, 1, runs);
    Report("restore, 1 logger", one, one.meanSeconds);
    Words all = devices;
    all.insert(all.end(), {"restore", file});
    const Figures many = Measure(all, kRestoredLoggers, runs);
    Report("restore, " + std::to_string(kRestoredLoggers) + " loggers", many, one.meanSeconds);
    std::remove(file.c_str());
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : kDefaultRuns;
    try {
        if (!EnterPrivateNetwork()) {
            std::fprintf(stderr, "site_bench: scans run only in a private network namespace, "
                                 "which needs root\n");
            return 1;
        }
        Scans(runs);
        Restores(runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "site_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
