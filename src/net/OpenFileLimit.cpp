#include "net/OpenFileLimit.h"

#ifndef _WIN32
#include <algorithm>
#include <sys/resource.h>
#endif

namespace kelvra::net {

#ifdef _WIN32

bool AllowOpenFiles(std::size_t) {
    return true;
}

#else

bool AllowOpenFiles(std::size_t count) {
    // Standard input, output and error, and a few the libraries may hold.
    constexpr rlim_t kHeldAlready = 16;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return false;
    }
    const rlim_t wanted = static_cast<rlim_t>(count) + kHeldAlready;
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        limit.rlim_cur =
            limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) {
            return false;
        }
    }
    return limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= wanted;
}

#endif

} // namespace kelvra::net
