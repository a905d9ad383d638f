#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace kelvra::e2e {

// The PC's side of a small LAN inside the private network: a bridge holding the
// PC's address, which NeighbourHosts join. Removed when this goes. Only for use
// inside a private network.
class PcBridge {
public:
    explicit PcBridge(const std::string& pcAddress = "192.168.1.10/24");
    ~PcBridge();
    PcBridge(const PcBridge&) = delete;
    PcBridge& operator=(const PcBridge&) = delete;

    bool ready() const { return ready_; }

private:
    bool ready_ = false;
};

// Another host on the PC's bridge: a network namespace of its own (a sleeping
// child holds it) with the addresses given. When it drops echo it still answers
// ARP, like a host behind a firewall. Gone, with its link, when this goes.
class NeighbourHost {
public:
    explicit NeighbourHost(const std::vector<std::string>& addresses, bool dropsEcho = false);
    ~NeighbourHost();
    NeighbourHost(const NeighbourHost&) = delete;
    NeighbourHost& operator=(const NeighbourHost&) = delete;

    bool ready() const { return ready_; }

private:
    bool setUp(const std::vector<std::string>& addresses, bool dropsEcho);
    // Runs a shell command line inside this host's namespace.
    bool runInside(const std::string& commandLine) const;

    pid_t holder_ = -1;
    bool ready_ = false;
};

} // namespace kelvra::e2e
