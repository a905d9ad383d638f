#pragma once

#include "link/Ports.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace kelvra::testing {

// The operator's window as the link sees it, recording what it is given.
class FakeConsole : public OperatorConsole {
public:
    void appendLog(const std::string& line) override { log.push_back(line); }
    std::string deviceAddressText() const override { return address; }
    std::string devicePortText() const override { return port; }
    void showInformation(const std::string& text) override {
        information.push_back(text);
        if (onInformation) {
            onInformation(text);
        }
    }

    std::string address = "192.168.1.200";
    std::string port = "10001";
    std::vector<std::string> log;
    std::vector<std::string> information;
    // Runs while the box is "open", before showInformation returns.
    std::function<void(const std::string&)> onInformation;
};

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
