// Prints how long the real link takes to connect and to run a readout's eight
// queries against kelvra-sim on loopback, next to the fixed pauses those
// exchanges are made of. Usage: connect_bench [path to kelvra-sim] [runs]

#include "link/KelvraDM.h"
#include "link/Protocol.h"
#include "net/SystemClock.h"
#include "net/SystemHostNetwork.h"
#include "net/UdpEndpoint.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 5;
constexpr const char* kReadout[] = {"CAS", "CPR", "CMR", "CGR", "CKR", "CDR", "CSS", "CSR"};

// kelvra-sim on a free loopback port; its output is read away until it ends.
class Simulator {
public:
    explicit Simulator(const std::string& path) {
        int ends[2];
        if (::pipe(ends) != 0) {
            throw std::runtime_error("no pipe");
        }
        std::vector<std::string> words{path, "--bind", "127.0.0.1", "--port", "0"};
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        const int spawned =
            ::posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
        if (spawned != 0) {
            ::close(ends[0]);
            throw std::runtime_error("cannot start " + path);
        }
        output_ = ::fdopen(ends[0], "r");
        char line[256] = {};
        if (output_ == nullptr || std::fgets(line, sizeof(line), output_) == nullptr) {
            throw std::runtime_error("kelvra-sim did not start");
        }
        const std::string first = line;
        port_ = std::stoi(first.substr(first.rfind(':') + 1));
        drain_ = std::thread([this] {
            char buffer[4096];
            while (std::fgets(buffer, sizeof(buffer), output_) != nullptr) {
            }
        });
    }
    ~Simulator() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        drain_.join();
        std::fclose(output_);
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    int port() const { return port_; }

private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    int port_ = 0;
    std::thread drain_;
};

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

std::string DefaultSimulatorPath(const char* self) {
    const std::filesystem::path bench = std::filesystem::weakly_canonical(self);
    return (bench.parent_path().parent_path() / "tools" / "kelvra-sim" / "kelvra-sim").string();
}

} // namespace

int main(int argc, char** argv) {
    const std::string simPath = argc > 1 ? argv[1] : DefaultSimulatorPath(argv[0]);
    const int runs = argc > 2 ? std::stoi(argv[2]) : kDefaultRuns;
    try {
        Simulator sim(simPath);
        const std::string port = std::to_string(sim.port());

        kelvra::UdpEndpoint endpoint;
        kelvra::SystemClock clock;
        QuietConsole console(port);
        kelvra::SystemHostNetwork network;
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
            for (const char* command : kReadout) {
                if (dm.QueryDevice(command).empty()) {
                    throw std::runtime_error(std::string("no reply to ") + command);
                }
            }
            readouts.push_back(MillisecondsSince(start));
        }
        constexpr int kQueries = sizeof(kReadout) / sizeof(kReadout[0]);
        Report("connect + 8 queries", readouts,
               kelvra::protocol::kConnectSettleMs +
                   kQueries * 2 * kelvra::protocol::kCommandPauseMs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "connect_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
