// Prints how long `kelvra-cli read` takes for one simulated data logger against
// the readout's fixed pauses, and for many loggers at once, with the
// program's peak memory. Every simulator listens on its own loopback address, in a
// private network namespace when the bench may make one.
// Usage: cli_bench [runs] [devices]

#include "e2e/support/ChildProgram.h"
#include "e2e/support/PrivateNetwork.h"
#include "e2e/support/SimProcess.h"
#include "link/ReadoutField.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace kelvra::e2e;

constexpr int kDefaultRuns = 3;
constexpr int kDefaultDevices = 50;

struct Figures {
    double meanSeconds = 0;
    double worstSeconds = 0;
    long peakKiB = 0;
};

// runs reads of all the devices at once; every run must succeed.
Figures ReadAll(const std::vector<std::string>& devices, int runs) {
    std::vector<std::string> arguments;
    for (const std::string& device : devices) {
        arguments.insert(arguments.end(), {"--device", device});
    }
    arguments.push_back("read");
    Figures figures;
    for (int i = 0; i < runs; ++i) {
        const ProgramRun run = RunProgram(KELVRA_CLI_PATH, arguments);
        if (run.exitStatus != 0 || Lines(run.out).size() != devices.size()) {
            throw std::runtime_error("a read failed:\n" + run.out);
        }
        figures.meanSeconds += run.seconds / runs;
        figures.worstSeconds =
            run.seconds > figures.worstSeconds ? run.seconds : figures.worstSeconds;
        figures.peakKiB = run.peakMemoryKiB > figures.peakKiB ? run.peakMemoryKiB : figures.peakKiB;
    }
    return figures;
}

void Report(const char* what, const Figures& figures, double pausesSeconds) {
    std::printf("%-22s mean %6.3f s  worst %6.3f s  fixed pauses %5.3f s  over %+6.2f %%  "
                "peak memory %6ld KiB\n",
                what, figures.meanSeconds, figures.worstSeconds, pausesSeconds,
                (figures.meanSeconds - pausesSeconds) * 100.0 / pausesSeconds, figures.peakKiB);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : kDefaultRuns;
    const int count = argc > 2 ? std::stoi(argv[2]) : kDefaultDevices;
    try {
        if (!EnterPrivateNetwork()) {
            std::fprintf(stderr, "cli_bench: no private network namespace; on loopback only\n");
        }
        // 127.0.1.x for the simulators: loopback, whatever the namespace.
        std::vector<std::unique_ptr<SimProcess>> sims;
        std::vector<std::string> devices;
        for (int i = 0; i < count; ++i) {
            const std::string address = "127.0.1." + std::to_string(i + 1);
            sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{}, address));
            devices.push_back(address + ":" + sims.back()->portText());
        }

        const double pauses = kelvra::kReadoutPausesMs / 1000.0;
        const Figures one = ReadAll({devices.front()}, runs);
        Report("read, 1 device", one, pauses);
        const Figures many = ReadAll(devices, runs);
        const std::string label = "read, " + std::to_string(count) + " devices";
        Report(label.c_str(), many, pauses);
        std::printf("%d devices at once take %.3f times one device's time\n", count,
                    many.meanSeconds / one.meanSeconds);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cli_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
