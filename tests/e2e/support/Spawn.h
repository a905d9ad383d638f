#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace kelvra::e2e {

// Starts path with words as its arguments (words[0] is its own name). Its standard
// output goes to outFd, its standard error to errFd unless that is -1, and the
// child closes every descriptor in closeInChild. -1 when it could not start.
pid_t Spawn(const std::string& path, std::vector<std::string> words, int outFd, int errFd,
            const std::vector<int>& closeInChild);

} // namespace kelvra::e2e
