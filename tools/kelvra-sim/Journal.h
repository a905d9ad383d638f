#pragma once

// The simulated device's journal: one JSON line per setting it takes, appended as
// it happens, so that what a tool reported can be held against what the device holds.

#include "kelvra-sim/Device.h"

#include <fstream>
#include <string>
#include <string_view>

namespace kelvra::sim {

class Journal {
public:
    // Appends to fileName; throws std::runtime_error when it cannot be opened.
    explicit Journal(const std::string& fileName);

    // {"what":...,"old":...,"new":...,"datagram":...}, flushed at once.
    void record(const StateChange& change, const std::string& datagram);

private:
    std::ofstream file_;
};

// bytes as a JSON string: quotes, backslashes, control bytes and bytes above 0x7F
// escaped, so any datagram makes a valid line.
std::string JsonText(std::string_view bytes);

} // namespace kelvra::sim
