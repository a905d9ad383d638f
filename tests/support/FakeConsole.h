#pragma once

#include "link/Ports.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvra::test {

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

} // namespace kelvra::test
