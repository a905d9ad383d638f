#include "support/FakeDevice.h"

#include <algorithm>

namespace kelvra::test {

ScriptedEndpoint::Responder FakeDevice::responder() const {
    return [device = *this](const std::string& datagram) {
        if (const auto error = device.receiveErrors.find(datagram);
            error != device.receiveErrors.end()) {
            return ScriptedReply::receiveFails(error->second);
        }
        const auto it = device.replies.find(datagram);
        const std::string& reply = datagram == "COK"            ? device.handshakeReply
                                   : it != device.replies.end() ? it->second
                                                                : device.setReply;
        return reply.empty() ? ScriptedReply::silence() : ScriptedReply::answer(reply);
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
    return line.substr(std::min<std::size_t>(line.size(), 8)); // "HH:MM:SS"
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
        record += i == 0 ? "12:30:05" : i == 1 ? "|09.12.2026" : "|v" + std::to_string(i);
    }
    return record;
}

} // namespace kelvra::test
