#pragma once

// A program run to its end while its open descriptors are counted.

#include <string>
#include <vector>

namespace kelvra::bench {

struct SampledRun {
    int exitStatus = -1; // -1 when it did not end by itself
    int signal = 0;      // what ended it, when a signal did
    std::string out;
    long peakMemoryKiB = 0;  // its largest resident set
    int peakDescriptors = 0; // the most it held open at one count
    double seconds = 0;
};

// Runs path with arguments; standard output is kept, standard error appended to
// errFile. Descriptors are counted every 20 ms while it runs.
SampledRun RunSampled(const std::string& path, const std::vector<std::string>& arguments,
                      const std::string& errFile);

// How many descriptors process pid holds open; 0 when it cannot be told.
int OpenDescriptors(int pid);

} // namespace kelvra::bench
