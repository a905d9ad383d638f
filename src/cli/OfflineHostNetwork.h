#pragma once

#include "cli/DeviceList.h"
#include "core/IntegerText.h"
#include "link/Ports.h"
#include "net/LocalAddress.h"

#include <cstdint>
#include <string>
#include <utility>

namespace kelvra::cli {

// The command line never probes the PC's network: it talks to the devices it is
// given and to nothing else. The PC's address is the one the system would send
// from to the device, which asks the routing table and sends nothing.
class OfflineHostNetwork : public HostNetwork {
public:
    explicit OfflineHostNetwork(DeviceTarget device) : device_(std::move(device)) {}

    bool localIp(std::string&) override { return false; }
    std::string localIpText() override {
        const auto port = static_cast<std::uint16_t>(StrToInt(device_.portText));
        const net::LocalAddress local = net::LocalAddressToward(device_.host, port);
        return local.address ? FormatIpv4(*local.address) : std::string(local.failureToken);
    }
    bool ping(const std::string&) override { return false; }
    bool hardwareAddressKnown(const std::string&) override { return false; }

private:
    DeviceTarget device_;
};

} // namespace kelvra::cli
