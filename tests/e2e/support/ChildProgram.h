#pragma once

#include <string>
#include <vector>

namespace kelvra::e2e {

// What a program run to its end left behind.
struct ProgramRun {
    int exitStatus = -1; // -1 when it did not end by itself
    std::string out;
    std::string err;
    long peakMemoryKiB = 0; // its largest resident set
    double seconds = 0;     // from start to end
};

// Runs path with arguments, both output streams captured, and waits for its end.
ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& arguments);

// The lines of text, without their line breaks.
std::vector<std::string> Lines(const std::string& text);

} // namespace kelvra::e2e
