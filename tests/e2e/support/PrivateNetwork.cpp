#include "e2e/support/PrivateNetwork.h"

#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <sched.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kelvra::e2e {

namespace {

bool BringUpLoopback() {
    const int handle = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (handle < 0) {
        return false;
    }
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(handle, SIOCGIFFLAGS, &request) == 0;
    if (up) {
        request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP | IFF_RUNNING);
        up = ::ioctl(handle, SIOCSIFFLAGS, &request) == 0;
    }
    ::close(handle);
    return up;
}

} // namespace

bool EnterPrivateNetwork() {
    return ::unshare(CLONE_NEWNET) == 0 && BringUpLoopback();
}

bool OnlyLoopbackIsUp() {
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0) {
        return false;
    }
    bool onlyLoopback = true;
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if ((entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0) {
            onlyLoopback = false;
        }
    }
    ::freeifaddrs(interfaces);
    return onlyLoopback;
}

bool RunIp(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{"ip"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, "ip", nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kelvra::e2e
