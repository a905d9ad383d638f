#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra::cli {

// The command line never probes the PC's network: it talks to the devices it is
// given and to nothing else.
class OfflineHostNetwork : public HostNetwork {
public:
    bool localIp(std::string&) override { return false; }
    std::string localIpText() override { return std::string(kErrorHostname); }
    bool ping(const std::string&) override { return false; }
    bool hardwareAddressKnown(const std::string&) override { return false; }
};

} // namespace kelvra::cli
