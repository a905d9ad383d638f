// The soak: kelvra-cli against many simulated loggers that lose, repeat and delay
// datagrams, round after round of every operation, each verdict held against the
// logger's journal of what it really took. Prints a row per fault mix, the crashes,
// and kelvra-cli's peak memory and open descriptors per round.
// Usage: soak_bench [LOGGERS [ROUNDS]]
// KELVRA_CLI and KELVRA_SIM, when set, name the programs to soak instead of this
// build's (a sanitizer build's, say).
//
// The loggers listen on their own loopback addresses, in a private network
// namespace when the bench may make one.

#include "bench/JsonField.h"
#include "bench/SampledRun.h"
#include "bench/SimulatedLogger.h"
#include "e2e/support/ChildProgram.h"
#include "e2e/support/PrivateNetwork.h"
#include "link/ReadoutField.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace kelvra::bench;

constexpr int kDefaultLoggers = 50;
constexpr int kDefaultRounds = 20;
constexpr int kFirstSeed = 1000; // logger i draws its faults from seed kFirstSeed + i

struct FaultMix {
    const char* name;
    std::vector<std::string> switches;
};

// The tool waits 2000 ms for a connect's reply and 2300 ms for any other (its
// 300 ms pause, then the wait): "late" stays within both, "late-beyond" straddles
// them, so that some operations get going and some of their replies come too late.
const std::vector<FaultMix> kMixes{
    {"clean", {}},
    {"loss10", {"--loss", "0.1"}},
    {"loss30", {"--loss", "0.3"}},
    {"duplicate", {"--duplicate"}},
    {"late", {"--late-random", "300-1900"}},
    {"late-beyond", {"--late-random", "1000-3000"}},
};

// Every logger also refuses the near high limit and a server address ending in .1,
// so that one set-limit and one set-address in five must fail: a stale "OK" taken
// for one of those shows as a false_ok, where an accepted setting would hide it.
const std::vector<std::string> kRefusals{"--refuse", "CNHS,CS4S1F"};

enum class Operation { Read, SetLimit, SetCalibration, SetClock, SetAddress };
constexpr std::array kOperations{Operation::Read, Operation::SetLimit, Operation::SetCalibration,
                                 Operation::SetClock, Operation::SetAddress};
constexpr std::array<const char*, kOperations.size()> kOperationNames{
    "read", "set-limit", "set-calibration", "set-clock", "set-address"};

constexpr std::array<const char*, 5> kQuantities{"ambient", "humidity", "pressure", "cabinet",
                                                 "near"};
// The clock's seven commands, each of which must be taken for the clock to be set.
constexpr std::array<const char*, 7> kClockCommands{"CDYS", "CMHS", "CYRS", "CWSS",
                                                    "CHRS", "CMES", "CSDS"};

// One operation of one round: its arguments and the settings it must leave taken.
struct Step {
    Operation operation;
    std::vector<std::string> arguments;
    std::vector<std::pair<std::string, std::string>> writes; // name, value
};

// Values change every round, so a setting left from an earlier round never passes
// for this round's.
Step StepOf(Operation operation, int round) {
    switch (operation) {
    case Operation::Read:
        return {operation, {"read"}, {}};
    case Operation::SetLimit: {
        // The near limits every fifth round, whose high one the loggers refuse.
        const std::string quantity = kQuantities[static_cast<std::size_t>(round) % 5];
        const std::string high = std::to_string(50 + round);
        const std::string low = std::to_string(-1 - round);
        return {operation,
                {"set-limit", quantity, high, low},
                {{quantity + "_high", high}, {quantity + "_low", low}}};
    }
    case Operation::SetCalibration: {
        const std::string value = std::to_string(round % 2 == 0 ? round + 1 : -round - 1);
        return {operation, {"set-calibration", value}, {{"calibration", value}}};
    }
    case Operation::SetClock:
        return {operation, {"set-clock"}, {}};
    case Operation::SetAddress: {
        // Ends in .1 every fifth round, which the loggers refuse.
        const std::string server =
            "10.9." + std::to_string(round % 250) + "." + std::to_string(round % 5 + 1);
        return {operation, {"set-address", "server", server}, {{"server", server}}};
    }
    }
    return {operation, {}, {}};
}

bool Wrote(const std::vector<JournalEntry>& entries, const std::string& what,
           const std::string& value) {
    return std::any_of(entries.begin(), entries.end(), [&](const JournalEntry& entry) {
        return entry.what == what && entry.newValue == value;
    });
}

// Whether the logger holds what the step meant to leave: every setting taken in
// this run, or for a read, every value reported as the logger holds it.
bool Took(const Step& step, const std::vector<JournalEntry>& entries, const std::string& line,
          const SimulatedLogger& logger) {
    switch (step.operation) {
    case Operation::Read:
        // Every value the logger's state decides (the clock runs on, so not it).
        return std::all_of(std::begin(kelvra::kReadout), std::end(kelvra::kReadout),
                           [&](const kelvra::ReadoutEntry& entry) {
                               const std::string name(entry.name);
                               const auto held = logger.holds().find(name);
                               return held == logger.holds().end() ||
                                      JsonField(line, name) == held->second;
                           });
    case Operation::SetClock:
        return std::all_of(kClockCommands.begin(), kClockCommands.end(), [&](const char* command) {
            return std::any_of(entries.begin(), entries.end(), [&](const JournalEntry& entry) {
                return entry.datagram.rfind(command, 0) == 0;
            });
        });
    default:
        return std::all_of(step.writes.begin(), step.writes.end(), [&](const auto& write) {
            return Wrote(entries, write.first, write.second);
        });
    }
}

struct Tally {
    int operations = 0;
    int ok = 0;
    int failed = 0;
    int falseOk = 0;
    int falseFailed = 0;
    int unconfirmed = 0; // never false: kelvra-cli says it cannot tell
    int runs = 0;
    double seconds = 0; // kelvra-cli's runs, one after another
    std::array<int, kOperations.size()> falseOkBy{};
    std::array<int, kOperations.size()> falseFailedBy{};
};

struct RoundFigures {
    int runs = 0;
    long peakMemoryKiB = 0;
    int peakDescriptors = 0;
    double longestSeconds = 0;
    int crashes = 0;  // ended by a signal
    int oddExits = 0; // ended with a status other than 0 or 1
};

struct Results {
    std::mutex lock;
    std::vector<Tally> byMix;
    std::vector<RoundFigures> byRound;
    int missingLines = 0; // devices kelvra-cli said nothing about
};

// The program named by the environment variable, or this build's.
std::string ProgramPath(const char* variable, const char* built) {
    const char* named = std::getenv(variable);
    return named != nullptr && *named != '\0' ? named : built;
}

std::string LoggerAddress(int index) {
    return "127.1." + std::to_string(index / 250) + "." + std::to_string(index % 250 + 1);
}

// The output line of device; "" when there is none.
std::string LineOf(const std::string& out, const std::string& device) {
    for (const std::string& line : kelvra::e2e::Lines(out)) {
        if (JsonField(line, "device") == device) {
            return line;
        }
    }
    return {};
}

// Every round of one fault mix's loggers: one kelvra-cli run per operation, all of
// them at once, as a site would run a row of loggers.
void SoakMix(std::size_t mix, const std::vector<SimulatedLogger*>& loggers, int rounds,
             const std::string& folder, Results& results) {
    const std::string cli = ProgramPath("KELVRA_CLI", KELVRA_CLI_PATH);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t op = 0; op < kOperations.size(); ++op) {
            const Step step = StepOf(kOperations[op], round);
            std::vector<std::string> arguments{"--json"};
            // The replies' verdicts alone, for the read-back's cost and effect.
            if (std::getenv("KELVRA_SOAK_NO_VERIFY") != nullptr &&
                kOperations[op] != Operation::Read) {
                arguments.push_back("--no-verify");
            }
            for (const SimulatedLogger* logger : loggers) {
                arguments.insert(arguments.end(), {"--device", logger->device()});
            }
            arguments.insert(arguments.end(), step.arguments.begin(), step.arguments.end());
            const std::string errFile = folder + "/cli-" + kMixes[mix].name + "-round" +
                                        std::to_string(round + 1) + "-" + kOperationNames[op] +
                                        ".log";
            const SampledRun run = RunSampled(cli, arguments, errFile);

            Tally tally;
            int missing = 0;
            for (SimulatedLogger* logger : loggers) {
                const std::vector<JournalEntry> entries = logger->newEntries();
                const std::string line = LineOf(run.out, logger->device());
                missing += line.empty() ? 1 : 0;
                const bool ok = JsonField(line, "result") == "ok";
                const bool unconfirmed = JsonField(line, "result") == "unconfirmed";
                const bool took = Took(step, entries, line, *logger);
                ++tally.operations;
                ++(ok ? tally.ok : unconfirmed ? tally.unconfirmed : tally.failed);
                if (ok && !took) {
                    ++tally.falseOk;
                    ++tally.falseOkBy[op];
                }
                // A read that failed changed nothing and claimed nothing.
                if (!ok && !unconfirmed && took && step.operation != Operation::Read) {
                    ++tally.falseFailed;
                    ++tally.falseFailedBy[op];
                }
            }

            const std::lock_guard<std::mutex> guard(results.lock);
            Tally& total = results.byMix[mix];
            total.operations += tally.operations;
            total.ok += tally.ok;
            total.failed += tally.failed;
            total.falseOk += tally.falseOk;
            total.falseFailed += tally.falseFailed;
            total.unconfirmed += tally.unconfirmed;
            ++total.runs;
            total.seconds += run.seconds;
            for (std::size_t i = 0; i < kOperations.size(); ++i) {
                total.falseOkBy[i] += tally.falseOkBy[i];
                total.falseFailedBy[i] += tally.falseFailedBy[i];
            }
            results.missingLines += missing;
            RoundFigures& figures = results.byRound[static_cast<std::size_t>(round)];
            ++figures.runs;
            figures.peakMemoryKiB = std::max(figures.peakMemoryKiB, run.peakMemoryKiB);
            figures.peakDescriptors = std::max(figures.peakDescriptors, run.peakDescriptors);
            figures.longestSeconds = std::max(figures.longestSeconds, run.seconds);
            figures.crashes += run.signal != 0 ? 1 : 0;
            figures.oddExits += run.signal == 0 && run.exitStatus != 0 && run.exitStatus != 1;
        }
        std::fprintf(stderr, "soak: %-11s round %d of %d done\n", kMixes[mix].name, round + 1,
                     rounds);
    }
}

void PrintTables(const Results& results, const std::vector<int>& loggersByMix) {
    std::printf("\n%-12s %7s %10s %6s %6s %8s %12s %11s %9s %9s\n", "mix", "loggers", "operations",
                "ok", "failed", "false_ok", "false_failed", "unconfirmed", "seconds", "s_per_run");
    Tally all;
    for (std::size_t mix = 0; mix < kMixes.size(); ++mix) {
        const Tally& t = results.byMix[mix];
        std::printf("%-12s %7d %10d %6d %6d %8d %12d %11d %9.0f %9.1f\n", kMixes[mix].name,
                    loggersByMix[mix], t.operations, t.ok, t.failed, t.falseOk, t.falseFailed,
                    t.unconfirmed, t.seconds, t.runs > 0 ? t.seconds / t.runs : 0.0);
        all.operations += t.operations;
        all.ok += t.ok;
        all.failed += t.failed;
        all.falseOk += t.falseOk;
        all.falseFailed += t.falseFailed;
        all.unconfirmed += t.unconfirmed;
    }
    std::printf("%-12s %7s %10d %6d %6d %8d %12d %11d\n", "all", "", all.operations, all.ok,
                all.failed, all.falseOk, all.falseFailed, all.unconfirmed);

    std::printf("(seconds: the mix's kelvra-cli runs end to end; s_per_run: per run, each one\n"
                "operation on every logger of the mix; unconfirmed is never false)\n");
    std::printf("\nfalse_ok / false_failed by operation\n%-12s", "mix");
    for (const char* name : kOperationNames) {
        std::printf(" %15s", name);
    }
    std::printf("\n");
    for (std::size_t mix = 0; mix < kMixes.size(); ++mix) {
        std::printf("%-12s", kMixes[mix].name);
        for (std::size_t op = 0; op < kOperations.size(); ++op) {
            const std::string cell = std::to_string(results.byMix[mix].falseOkBy[op]) + " / " +
                                     std::to_string(results.byMix[mix].falseFailedBy[op]);
            std::printf(" %15s", cell.c_str());
        }
        std::printf("\n");
    }
    std::printf("(a read is false_ok when it succeeds with a value the logger does not hold)\n");

    int crashes = 0;
    int oddExits = 0;
    int runs = 0;
    std::printf("\n%5s %5s %16s %16s %14s\n", "round", "runs", "peak_memory_kib",
                "peak_descriptors", "longest_run_s");
    for (std::size_t round = 0; round < results.byRound.size(); ++round) {
        const RoundFigures& r = results.byRound[round];
        std::printf("%5zu %5d %16ld %16d %14.1f\n", round + 1, r.runs, r.peakMemoryKiB,
                    r.peakDescriptors, r.longestSeconds);
        crashes += r.crashes;
        oddExits += r.oddExits;
        runs += r.runs;
    }
    std::printf("\nkelvra-cli runs %d: crashes %d, other exit statuses %d, devices missing from "
                "the output %d\n",
                runs, crashes, oddExits, results.missingLines);
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : kDefaultLoggers;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
    if (count < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: soak_bench [LOGGERS [ROUNDS]]\n");
        return 2;
    }
    try {
        if (!kelvra::e2e::EnterPrivateNetwork()) {
            std::fprintf(stderr, "soak: no private network namespace; on loopback only\n");
        }
        char folderTemplate[] = "/tmp/kelvra-soak.XXXXXX";
        const char* folder = ::mkdtemp(folderTemplate);
        if (folder == nullptr) {
            throw std::runtime_error("no folder for the logs");
        }

        std::vector<std::unique_ptr<SimulatedLogger>> loggers;
        std::vector<std::vector<SimulatedLogger*>> byMix(kMixes.size());
        for (int i = 0; i < count; ++i) {
            const std::size_t mix = static_cast<std::size_t>(i) % kMixes.size();
            std::vector<std::string> switches = kMixes[mix].switches;
            switches.insert(switches.end(), kRefusals.begin(), kRefusals.end());
            switches.insert(switches.end(), {"--seed", std::to_string(kFirstSeed + i)});
            loggers.push_back(std::make_unique<SimulatedLogger>(
                ProgramPath("KELVRA_SIM", KELVRA_SIM_PATH), LoggerAddress(i), switches, folder));
            byMix[mix].push_back(loggers.back().get());
        }
        std::printf("soak: %d loggers, %d rounds of read, set-limit, set-calibration, set-clock "
                    "and set-address server on each\nlogs, journals and kelvra-cli's exchange "
                    "logs in %s\n",
                    count, rounds, folder);
        std::printf("kelvra-cli: %s\n", ProgramPath("KELVRA_CLI", KELVRA_CLI_PATH).c_str());
        for (std::size_t mix = 0; mix < kMixes.size(); ++mix) {
            std::string switches;
            for (const std::string& word : kMixes[mix].switches) {
                switches += " " + word;
            }
            std::printf("  %-12s kelvra-sim%s --refuse CNHS,CS4S1F --seed N\n", kMixes[mix].name,
                        switches.c_str());
        }
        std::fflush(stdout); // the soak takes minutes; say where its logs are now

        Results results;
        results.byMix.resize(kMixes.size());
        results.byRound.resize(static_cast<std::size_t>(rounds));
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::thread> threads;
        std::vector<int> loggersByMix;
        for (std::size_t mix = 0; mix < kMixes.size(); ++mix) {
            loggersByMix.push_back(static_cast<int>(byMix[mix].size()));
            if (!byMix[mix].empty()) {
                threads.emplace_back(SoakMix, mix, byMix[mix], rounds, std::string(folder),
                                     std::ref(results));
            }
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        PrintTables(results, loggersByMix);
        int ended = 0;
        for (const auto& logger : loggers) {
            ended += logger->running() ? 0 : 1;
        }
        std::printf(
            "simulators that ended during the soak: %d of %d\nsoak time: %.0f s\n", ended, count,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soak: %s\n", error.what());
        return 1;
    }
    return 0;
}
