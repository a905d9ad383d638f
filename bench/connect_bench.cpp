// Prints how long the real link takes to connect, to run a readout's
// queries, to write a limit pair, to set the clock and to readdress a device (a
// connect and four addresses) against kelvra-sim on loopback, next to the fixed
// pauses those exchanges are made of. Usage: connect_bench [runs]

#include "e2e/support/SimProcess.h"
#include "link/ClockSettings.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "link/ReadoutField.h"
#include "net/SystemClock.h"
#include "net/SystemHostNetwork.h"
#include "net/UdpEndpoint.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 5;

// The window's part: the log goes nowhere, the connection fields are the sim's.
class QuietConsole : public kelvra::OperatorConsole {
public:
    explicit QuietConsole(std::string port) : port_(std::move(port)) {}
    void appendLog(const std::string&) override {}
    std::string deviceAddressText() const override { return "127.0.0.1"; }
    std::string devicePortText() const override { return port_; }
    void showInformation(const std::string&) override {}

private:
    std::string port_;
};

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, const std::vector<double>& runs, int pausesMs) {
    double total = 0;
    double worst = 0;
    for (double ms : runs) {
        total += ms;
        worst = ms > worst ? ms : worst;
    }
    const double mean = total / static_cast<double>(runs.size());
    std::printf(
        "%-28s runs %zu  mean %8.1f ms  worst %8.1f ms  fixed pauses %5d ms  over %+6.2f %%\n",
        what, runs.size(), mean, worst, pausesMs, (mean - pausesMs) * 100.0 / pausesMs);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : kDefaultRuns;
    try {
        const kelvra::e2e::SimProcess sim;
        const std::string port = sim.portText();

        kelvra::net::UdpEndpoint endpoint;
        kelvra::net::SystemClock clock;
        QuietConsole console(port);
        kelvra::net::SystemHostNetwork network;
        kelvra::TFKelvraDM dm(endpoint, clock, console, network);

        std::vector<double> connects;
        for (int i = 0; i < runs; ++i) {
            const auto start = Clock::now();
            if (!dm.ConnectDevice("127.0.0.1", port)) {
                throw std::runtime_error("the simulator did not answer the handshake");
            }
            connects.push_back(MillisecondsSince(start));
        }
        Report("connect", connects, kelvra::protocol::kConnectSettleMs);

        std::vector<double> readouts;
        for (int i = 0; i < runs; ++i) {
            const auto start = Clock::now();
            dm.ConnectDevice("127.0.0.1", port);
            for (const std::string_view command : kelvra::ReadCommands()) {
                if (dm.QueryDevice(std::string(command)).empty()) {
                    throw std::runtime_error("no reply to " + std::string(command));
                }
            }
            readouts.push_back(MillisecondsSince(start));
        }
        const std::string readout =
            "connect + " + std::to_string(kelvra::kReadCommandCount) + " queries";
        Report(readout.c_str(), readouts, kelvra::kReadoutPausesMs);

        using kelvra::protocol::kCommandPauseMs;
        constexpr int kTransactionPausesMs = 3 * kCommandPauseMs; // handshake, set, reply

        std::vector<double> limitPairs;
        for (int i = 0; i < runs; ++i) {
            const auto start = Clock::now();
            dm.SendLimit("CTHS", "30");
            dm.SendLimit("CTLS", "-5");
            limitPairs.push_back(MillisecondsSince(start));
        }
        Report("limit pair", limitPairs, 2 * 2 * kCommandPauseMs);

        std::vector<double> clockSettings;
        for (int i = 0; i < runs; ++i) {
            const auto start = Clock::now();
            dm.SetDeviceClock();
            clockSettings.push_back(MillisecondsSince(start));
            if (dm.LastResponse().find("OK") == std::string::npos) {
                throw std::runtime_error("the simulator refused a clock setting");
            }
        }
        Report("clock setting", clockSettings,
               static_cast<int>(kelvra::kClockSettingCount) * kTransactionPausesMs);

        constexpr const char* kAddresses[][2] = {{"192.168.1.201", "CI"},
                                                 {"255.255.255.0", "CK"},
                                                 {"192.168.1.1", "CG"},
                                                 {"192.168.1.1", "CD"}};
        std::vector<double> applies;
        for (int i = 0; i < runs; ++i) {
            const auto start = Clock::now();
            dm.ConnectDevice("127.0.0.1", port);
            for (const auto& [address, prefix] : kAddresses) {
                dm.SetAddressValue(address, prefix, prefix, false);
                if (dm.SetTally() != 5) {
                    throw std::runtime_error(std::string("the simulator refused ") + address);
                }
            }
            applies.push_back(MillisecondsSince(start));
        }
        // Four octets and a commit per address.
        Report("connect + 4 addresses", applies,
               kelvra::protocol::kConnectSettleMs + 4 * 5 * kTransactionPausesMs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "connect_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
