#pragma once

#include "link/Ports.h"
#include "support/ManualClock.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kelvra::test {

// The PC's network as a table: its own address ("" for none), the addresses that
// answer an echo, and those that drop echo but answer ARP. With a clock, an answer
// costs replyMs of virtual time and silence the whole echo time-out.
class FakeHostNetwork : public HostNetwork {
public:
    static constexpr int kEchoTimeoutMs = 100;
    static constexpr int kReplyMs = 1;

    bool localIp(std::string& text) override {
        if (ownAddress.empty()) {
            return false;
        }
        text = ownAddress;
        return true;
    }
    std::string localIpText() override {
        return ownAddress.empty() ? std::string(kErrorGethost) : ownAddress;
    }
    // The PC answers its own echo, as a real one does.
    bool ping(const std::string& text) override {
        pinged.push_back(text);
        const bool answers = text == ownAddress || Holds(answering, text);
        if (clock != nullptr) {
            clock->advance(answers ? kReplyMs : kEchoTimeoutMs);
        }
        return answers;
    }
    bool hardwareAddressKnown(const std::string& text) override {
        return Holds(answering, text) || Holds(droppingEcho, text);
    }

    std::string ownAddress = "192.168.1.10";
    std::vector<std::string> answering;
    std::vector<std::string> droppingEcho;
    ManualClock* clock = nullptr;
    std::vector<std::string> pinged; // every probe, in order

private:
    static bool Holds(const std::vector<std::string>& list, const std::string& text) {
        return std::find(list.begin(), list.end(), text) != list.end();
    }
};

} // namespace kelvra::test
