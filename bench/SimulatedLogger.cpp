#include "bench/SimulatedLogger.h"

#include "bench/JsonField.h"
#include "e2e/support/Spawn.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kelvra::bench {

namespace {

constexpr const char* kPort = "10001";

// A fresh simulator's values, by kelvra-cli's names for them.
const std::map<std::string, std::string> kFreshLogger{
    {"identity", "KLV-DL200"},    {"port", kPort},
    {"mac", "00.04.A3.12.34.56"}, {"gateway", "192.168.1.1"},
    {"mask", "255.255.255.0"},    {"dns", "192.168.1.1"},
    {"server", "192.168.1.100"},  {"device", "192.168.1.200"},
    {"ambient_high", "35"},       {"ambient_low", "5"},
    {"humidity_high", "80"},      {"humidity_low", "20"},
    {"pressure_high", "1050"},    {"pressure_low", "950"},
    {"cabinet_high", "40"},       {"cabinet_low", "10"},
    {"near_high", "45"},          {"near_low", "15"},
    {"calibration", "0"},
};

// Read with a descriptor closed on exec, so that a kelvra-cli started meanwhile
// from another thread neither inherits it nor counts it as its own.
std::string FileText(const std::string& fileName) {
    std::string text;
    const int file = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return text;
    }
    char buffer[65536];
    for (ssize_t got; (got = ::read(file, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(file);
    return text;
}

} // namespace

SimulatedLogger::SimulatedLogger(const std::string& simPath, const std::string& address,
                                 const std::vector<std::string>& switches,
                                 const std::string& folder)
    : device_(address + ":" + kPort), logFile_(folder + "/sim-" + address + ".log"),
      journalFile_(folder + "/journal-" + address + ".jsonl"), holds_(kFreshLogger) {
    const int log = ::open(logFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (log < 0) {
        throw std::runtime_error("cannot write " + logFile_);
    }
    std::vector<std::string> words{simPath, "--bind",    address,     "--port",
                                   kPort,   "--journal", journalFile_};
    words.insert(words.end(), switches.begin(), switches.end());
    pid_ = kelvra::e2e::Spawn(simPath, words, log, log, {});
    ::close(log);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (FileText(logFile_).find("kelvra-sim listening on") == std::string::npos) {
        if (pid_ == -1 || !running() || std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error("kelvra-sim on " + device_ + " did not start; see " +
                                     logFile_);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

SimulatedLogger::~SimulatedLogger() {
    if (pid_ > 0 && !ended_) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool SimulatedLogger::running() {
    if (!ended_ && pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == pid_) {
        ended_ = true;
    }
    return !ended_;
}

std::vector<JournalEntry> SimulatedLogger::newEntries() {
    const std::string text = FileText(journalFile_);
    std::vector<JournalEntry> entries;
    for (std::size_t end; (end = text.find('\n', journalRead_)) != std::string::npos;
         journalRead_ = end + 1) {
        const std::string_view line(text.data() + journalRead_, end - journalRead_);
        JournalEntry entry{JsonField(line, "what").value_or(""),
                           JsonField(line, "old").value_or(""), JsonField(line, "new").value_or(""),
                           JsonField(line, "datagram").value_or("")};
        holds_[entry.what] = entry.newValue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace kelvra::bench
