#pragma once

#include <stdexcept>
#include <string>

namespace kelvra::cli {

// A command line that cannot run: nothing is sent, the exit status is 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kelvra::cli
