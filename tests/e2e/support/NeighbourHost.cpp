#include "e2e/support/NeighbourHost.h"

#include "e2e/support/PrivateNetwork.h"

#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace kelvra::e2e {

namespace {

constexpr const char* kBridge = "kvbr";
constexpr auto kSetUpWait = std::chrono::seconds(3);

std::string NetworkNamespaceOf(const std::string& process) {
    char target[PATH_MAX] = {};
    const std::string link = "/proc/" + process + "/ns/net";
    const auto length = ::readlink(link.c_str(), target, sizeof(target) - 1);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

bool InterfaceRunning(const std::string& name) {
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0) {
        return false;
    }
    bool running = false;
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (name == entry->ifa_name && (entry->ifa_flags & IFF_RUNNING) != 0) {
            running = true;
        }
    }
    ::freeifaddrs(interfaces);
    return running;
}

template <class Condition> bool WaitFor(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + kSetUpWait;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

PcBridge::PcBridge(const std::string& pcAddress) {
    // Never on the machine's own network.
    if (!OnlyLoopbackIsUp()) {
        return;
    }
    ready_ = RunIp({"link", "add", kBridge, "type", "bridge"}) &&
             RunIp({"addr", "add", pcAddress, "dev", kBridge}) &&
             RunIp({"link", "set", kBridge, "up"});
}

PcBridge::~PcBridge() {
    if (ready_) {
        RunIp({"link", "del", kBridge});
    }
}

NeighbourHost::NeighbourHost(const std::vector<std::string>& addresses, bool dropsEcho) {
    std::vector<std::string> words{"unshare", "--net", "sleep", "600"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawnp(&holder_, "unshare", nullptr, nullptr, argv.data(), environ) != 0) {
        holder_ = -1;
        return;
    }
    ready_ = setUp(addresses, dropsEcho);
}

NeighbourHost::~NeighbourHost() {
    if (holder_ > 0) {
        // The kernel tears a namespace down in its own time; the link goes now, so
        // that the next test finds only loopback up.
        RunIp({"link", "del", "kvp" + std::to_string(holder_)});
        ::kill(holder_, SIGKILL);
        ::waitpid(holder_, nullptr, 0);
    }
}

bool NeighbourHost::setUp(const std::vector<std::string>& addresses, bool dropsEcho) {
    const std::string pid = std::to_string(holder_);
    const std::string ours = NetworkNamespaceOf("self");
    if (!WaitFor([&] {
            const std::string theirs = NetworkNamespaceOf(pid);
            return !theirs.empty() && theirs != ours;
        })) {
        return false;
    }
    const std::string outside = "kvp" + pid;
    const std::string inside = "kvh" + pid;
    if (!RunIp({"link", "add", outside, "type", "veth", "peer", "name", inside, "netns", pid}) ||
        !RunIp({"link", "set", outside, "master", kBridge}) ||
        !RunIp({"link", "set", outside, "up"})) {
        return false;
    }
    std::string commands = "ip link set lo up";
    for (const std::string& address : addresses) {
        commands += " && ip addr add " + address + "/24 dev " + inside;
    }
    commands += " && ip link set " + inside + " up";
    if (dropsEcho) {
        commands += " && echo 1 > /proc/sys/net/ipv4/icmp_echo_ignore_all";
    }
    return runInside(commands) && WaitFor([&] { return InterfaceRunning(outside); });
}

bool NeighbourHost::runInside(const std::string& commandLine) const {
    const std::string pid = std::to_string(holder_);
    std::vector<std::string> words{"nsenter", "-t", pid, "-n", "sh", "-c", commandLine};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, "nsenter", nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kelvra::e2e
