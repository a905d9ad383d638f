// kelvra-sim: a simulated data logger on UDP, with switchable faults, for trying
// the tool against something that answers.

#include "kelvra-sim/Device.h"
#include "kelvra-sim/FaultPlan.h"
#include "kelvra-sim/Journal.h"
#include "kelvra-sim/SimSocket.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace kelvra::sim;
using SteadyTime = std::chrono::steady_clock::time_point;

constexpr int kDefaultLateMs = 2500; // past the tool's 2000 ms wait
constexpr std::size_t kShownBytes = 120;

constexpr const char* kUsage = R"(usage: kelvra-sim [--bind ADDR] [--port N] [switches]

A simulated data logger: answers the tool's UDP commands from a state that set
commands change and read commands report. One reply datagram per command, sent
back to where the command came from.

  --bind ADDR            IPv4 address to listen on (default 127.0.0.1)
  --port N               UDP port (default 10001; 0 picks a free one)
  --mac-hex              answer CMR as "0004A3123456" instead of "0.4.163.18.52.86"
  --journal FILE         append one JSON line to FILE for each setting taken:
                         {"what","old","new","datagram"}

Faults (combinable):
  --silent               answer nothing
  --refuse CMD[,CMD...]  answer "ERR" to these datagrams or command prefixes
  --refuse-handshake     answer COK with "NO"
  --handshake-on N       answer COK only from its N-th arrival in a row on
  --late-ms N            send every reply N ms late
  --late                 the same with 2500 ms
  --late-random MIN-MAX  send every reply late by a time drawn from MIN to MAX ms
  --late-only CMD[,...]  only these replies are late (2500 ms unless told)
  --short-settings N     a settings record of only N items
  --crlf                 end every reply with CR LF
  --silent-after N       go silent after N datagrams
  --duplicate            send every reply twice
  --loss P               lose each datagram, coming or going, with chance P (0 to 1)
  --seed N               the same losses and delays for the same datagrams on
                         every run (without it, a new seed each run, printed)
  --help                 this text
  --version              the program's name and version
)";

struct Options {
    std::string bindAddress = "127.0.0.1";
    int port = 10001;
    bool macHex = false;
    FaultSwitches faults;
    std::optional<std::uint64_t> seed;
    std::string journal;  // none when empty
    bool version = false; // when set, nothing else was looked at
};

int NumberArgument(const std::string& option, const std::string& text, int low, int high) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < low || value > high) {
        throw std::invalid_argument(option + " needs a number from " + std::to_string(low) +
                                    " to " + std::to_string(high) + ", not '" + text + "'");
    }
    return value;
}

double ChanceArgument(const std::string& option, const std::string& text) {
    std::size_t used = 0;
    double value = -1;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || !(value >= 0 && value <= 1)) {
        throw std::invalid_argument(option + " needs a chance from 0 to 1, not '" + text + "'");
    }
    return value;
}

// "MIN-MAX" in milliseconds, MIN not above MAX.
std::pair<int, int> RangeArgument(const std::string& option, const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) {
        throw std::invalid_argument(option + " needs MIN-MAX, not '" + text + "'");
    }
    const int low = NumberArgument(option, text.substr(0, dash), 0, 3600000);
    const int high = NumberArgument(option, text.substr(dash + 1), low, 3600000);
    return {low, high};
}

std::vector<std::string> ListArgument(const std::string& option, const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? comma : comma - start);
        if (item.empty()) {
            throw std::invalid_argument(option + " needs commands separated by commas");
        }
        items.push_back(std::move(item));
        if (comma == std::string::npos) {
            return items;
        }
        start = comma + 1;
    }
}

// Empty when --help was asked for.
std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    bool lateOnly = false;
    bool lateGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw std::invalid_argument(option + " needs a value");
            }
            return argv[++i];
        };
        FaultSwitches& faults = options.faults;
        if (option == "--help" || option == "-h") {
            return std::nullopt;
        } else if (option == "--version") {
            options.version = true;
            return options;
        } else if (option == "--bind") {
            options.bindAddress = value();
        } else if (option == "--port") {
            options.port = NumberArgument(option, value(), 0, 65535);
        } else if (option == "--mac-hex") {
            options.macHex = true;
        } else if (option == "--silent") {
            faults.silent = true;
        } else if (option == "--refuse") {
            const auto commands = ListArgument(option, value());
            faults.refused.insert(faults.refused.end(), commands.begin(), commands.end());
        } else if (option == "--refuse-handshake") {
            faults.refuseHandshake = true;
        } else if (option == "--handshake-on") {
            faults.handshakeOn = NumberArgument(option, value(), 1, 1000000);
        } else if (option == "--late-ms") {
            faults.lateMinMs = faults.lateMaxMs = NumberArgument(option, value(), 0, 3600000);
            lateGiven = true;
        } else if (option == "--late") {
            faults.lateMinMs = faults.lateMaxMs = kDefaultLateMs;
            lateGiven = true;
        } else if (option == "--late-random") {
            std::tie(faults.lateMinMs, faults.lateMaxMs) = RangeArgument(option, value());
            lateGiven = true;
        } else if (option == "--late-only") {
            const auto commands = ListArgument(option, value());
            faults.lateOnly.insert(faults.lateOnly.end(), commands.begin(), commands.end());
            lateOnly = true;
        } else if (option == "--short-settings") {
            faults.shortSettings = NumberArgument(option, value(), 0, 1000);
        } else if (option == "--crlf") {
            faults.crlf = true;
        } else if (option == "--silent-after") {
            faults.silentAfter = NumberArgument(option, value(), 0, 1000000000);
        } else if (option == "--duplicate") {
            faults.duplicate = true;
        } else if (option == "--loss") {
            faults.loss = ChanceArgument(option, value());
        } else if (option == "--seed") {
            options.seed =
                static_cast<std::uint64_t>(NumberArgument(option, value(), 0, 2147483647));
        } else if (option == "--journal") {
            options.journal = value();
        } else {
            throw std::invalid_argument("unknown option " + option + " (see --help)");
        }
    }
    if (lateOnly && !lateGiven) {
        options.faults.lateMinMs = options.faults.lateMaxMs = kDefaultLateMs;
    }
    return options;
}

// A datagram on one line: quoted, with control bytes escaped and long ones cut.
std::string Shown(const std::string& bytes) {
    std::string text = "\"";
    for (std::size_t i = 0; i < bytes.size() && i < kShownBytes; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '"' || c == '\\') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            constexpr char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text += kHex[c >> 4];
            text += kHex[c & 0x0F];
        } else {
            text += static_cast<char>(c);
        }
    }
    text += "\"";
    if (bytes.size() > kShownBytes) {
        text += " ... (" + std::to_string(bytes.size()) + " bytes)";
    }
    return text;
}

void Say(const std::string& line) {
    std::cout << line << std::endl; // flushed: a test may be reading every line
}

struct PendingReply {
    SteadyTime due;
    std::string bytes;
    Peer to;
};

// Answers datagrams for ever, sending late replies when they fall due.
void Serve(SimSocket& socket, Device& device, FaultPlan& faults, Journal* journal) {
    std::vector<PendingReply> pending; // in order of falling due
    for (;;) {
        int waitMs = -1;
        if (!pending.empty()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                pending.front().due - std::chrono::steady_clock::now());
            waitMs = left.count() > 0 ? static_cast<int>(left.count()) + 1 : 0;
        }
        if (const auto incoming = socket.receive(waitMs)) {
            Say("<- " + incoming->from.text() + " " + Shown(incoming->bytes));
            std::string note;
            const Decision decision = faults.decide(incoming->bytes, [&] {
                DeviceAnswer answer =
                    device.answer(incoming->bytes, std::chrono::system_clock::now());
                note = std::move(answer.note);
                if (answer.change && journal != nullptr) {
                    journal->record(*answer.change, incoming->bytes);
                }
                return std::move(answer.reply);
            });
            if (decision.refused) {
                device.refusedByFault(incoming->bytes);
            }
            if (!decision.reply) {
                Say("-- no answer (" + decision.reason + ")");
                continue;
            }
            const Reply& reply = *decision.reply;
            std::string line = "-> " + Shown(reply.text);
            if (reply.delayMs > 0) {
                line += " after " + std::to_string(reply.delayMs) + " ms";
            }
            if (reply.copies > 1) {
                line += " x" + std::to_string(reply.copies);
            }
            if (reply.lostCopies > 0) {
                line += reply.lostCopies == reply.copies
                            ? std::string(", lost on the way out")
                            : ", " + std::to_string(reply.lostCopies) + " lost on the way out";
            }
            Say(line);
            if (!note.empty()) {
                Say("   " + note);
            }
            const SteadyTime due =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(reply.delayMs);
            for (int copy = reply.lostCopies; copy < reply.copies; ++copy) {
                auto at = pending.begin();
                while (at != pending.end() && at->due <= due) {
                    ++at;
                }
                pending.insert(at, PendingReply{due, reply.text, incoming->from});
            }
        }
        const SteadyTime now = std::chrono::steady_clock::now();
        while (!pending.empty() && pending.front().due <= now) {
            socket.sendTo(pending.front().bytes, pending.front().to);
            pending.erase(pending.begin());
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::optional<Options> options = ParseArguments(argc, argv);
        if (!options) {
            std::cout << kUsage;
            return EXIT_SUCCESS;
        }
        if (options->version) {
            std::cout << "kelvra-sim " KELVRA_VERSION "\n";
            return EXIT_SUCCESS;
        }
        SimSocket socket(options->bindAddress, static_cast<std::uint16_t>(options->port));
        Device device(DeviceProfile{socket.localPort(), options->macHex},
                      std::chrono::system_clock::now());
        const std::uint64_t seed = options->seed ? *options->seed : std::random_device{}();
        FaultPlan faults(options->faults, seed);
        std::unique_ptr<Journal> journal;
        if (!options->journal.empty()) {
            journal = std::make_unique<Journal>(options->journal);
        }
        Say("kelvra-sim listening on " + options->bindAddress + ":" +
            std::to_string(socket.localPort()));
        if (!options->seed &&
            (options->faults.loss > 0 || options->faults.lateMinMs < options->faults.lateMaxMs)) {
            Say("seed " + std::to_string(seed) + " (--seed repeats this run's chances)");
        }
        Serve(socket, device, faults, journal.get());
    } catch (const std::exception& error) {
        std::cerr << "kelvra-sim: " << error.what() << std::endl;
        return 2;
    }
}
