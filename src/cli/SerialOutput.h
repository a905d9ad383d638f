#pragma once

#include <cstdio>
#include <mutex>
#include <string>

namespace kelvra::cli {

// Whole lines to standard output and standard error from many threads: a line is
// written in one piece, never mixed with another, and flushed at once.
class SerialOutput {
public:
    void result(const std::string& line) { write(stdout, line); }
    void log(const std::string& line) { write(stderr, line); }

private:
    void write(std::FILE* stream, const std::string& line) {
        const std::string whole = line + "\n";
        const std::lock_guard<std::mutex> lock(mutex_);
        std::fwrite(whole.data(), 1, whole.size(), stream);
        std::fflush(stream);
    }

    std::mutex mutex_;
};

} // namespace kelvra::cli
