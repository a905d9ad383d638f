#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra::net {

// The PC's real network: its own address, the ICMP echo probe and the
// neighbour table.
class SystemHostNetwork : public HostNetwork {
public:
    bool localIp(std::string& text) override;
    std::string localIpText() override;
    bool ping(const std::string& text) override;
    bool hardwareAddressKnown(const std::string& text) override;
};

} // namespace kelvra::net
