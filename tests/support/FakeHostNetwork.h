#pragma once

#include "link/Ports.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kelvra::testing {

// The PC's network as a table: its own address and the addresses that answer.
class FakeHostNetwork : public HostNetwork {
public:
    bool localIp(std::string& text) override {
        text = ownAddress;
        return true;
    }
    std::string localIpText() override { return ownAddress; }
    bool ping(const std::string& text) override {
        return std::find(answering.begin(), answering.end(), text) != answering.end();
    }

    std::string ownAddress = "192.168.1.10";
    std::vector<std::string> answering;
};

} // namespace kelvra::testing
