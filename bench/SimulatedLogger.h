#pragma once

// A kelvra-sim started for a soak: it may print for hours, so its output goes to a
// file rather than to a pipe someone must keep reading, and it keeps a journal.

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kelvra::bench {

struct JournalEntry {
    std::string what;
    std::string oldValue;
    std::string newValue;
    std::string datagram;
};

class SimulatedLogger {
public:
    // The simulator program simPath on address and the device's own port 10001,
    // with switches; its log and its journal are files in folder named after
    // address. Throws std::runtime_error when it does not start listening within 5 s.
    SimulatedLogger(const std::string& simPath, const std::string& address,
                    const std::vector<std::string>& switches, const std::string& folder);
    ~SimulatedLogger();
    SimulatedLogger(const SimulatedLogger&) = delete;
    SimulatedLogger& operator=(const SimulatedLogger&) = delete;

    const std::string& device() const { return device_; } // "ADDRESS:10001"
    const std::string& logFile() const { return logFile_; }
    // False once the simulator has ended by itself.
    bool running();
    // The journal's lines since the last call; holds() takes them in.
    std::vector<JournalEntry> newEntries();
    // What the logger holds by the names kelvra-cli reads them: a fresh simulator's
    // values with every journal entry so far applied.
    const std::map<std::string, std::string>& holds() const { return holds_; }

private:
    std::string device_;
    std::string logFile_;
    std::string journalFile_;
    pid_t pid_ = -1;
    bool ended_ = false;
    std::size_t journalRead_ = 0; // bytes of the journal taken in
    std::map<std::string, std::string> holds_;
};

} // namespace kelvra::bench
