#include "FakeDevice.h"

namespace kelvra::testing {

ScriptedEndpoint::Responder FakeDevice::responder() const {
    return [device = *this](const std::string& datagram) {
        std::string reply;
        if (datagram == "COK") {
            reply = device.handshakeReply;
        } else if (auto it = device.replies.find(datagram); it != device.replies.end()) {
            reply = it->second;
        } else {
            reply = device.setReply;
        }
        if (reply.empty()) {
            return ScriptedReply::silence();
        }
        return ScriptedReply::answer(reply, device.replyDelayMs);
    };
}

FakeDevice FakeDevice::answeringReadout() {
    FakeDevice d;
    d.replies = {
        {"CAS", "KLV-2000|FW2.3|SN4711"}, {"CPR", "10001"},         {"CMR", "0.4.163.18.52.86"},
        {"CGR", "192.168.1.1"},           {"CKR", "255.255.255.0"}, {"CDR", "192.168.1.2"},
        {"CSS", SettingsRecord(14)},      {"CSR", "10.0.0.9"},
    };
    return d;
}

std::string WithoutTime(const std::string& line) {
    const std::size_t stamp = 8; // "HH:MM:SS"
    return line.size() >= stamp ? line.substr(stamp) : line;
}

std::vector<std::string> WithoutTimes(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
        out.push_back(WithoutTime(l));
    }
    return out;
}

std::string SettingsRecord(int items) {
    std::string record;
    for (int i = 0; i < items; ++i) {
        if (i > 0) {
            record += '|';
        }
        if (i == 0) {
            record += "12:30:05";
        } else if (i == 1) {
            record += "09.12.2026";
        } else {
            record += "v" + std::to_string(i);
        }
    }
    return record;
}

} // namespace kelvra::testing
