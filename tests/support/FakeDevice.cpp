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
        const std::string& reply = datagram == protocol::kHandshake ? device.handshakeReply
                                   : it != device.replies.end()     ? it->second
                                                                    : device.setReply;
        return reply.empty() ? ScriptedReply::silence() : ScriptedReply::answer(reply);
    };
}

std::vector<std::string> ReadoutDatagrams() {
    return ReadoutDatagramsThrough(kReadout[kReadoutFieldCount - 1].field);
}

std::vector<std::string> ReadoutDatagramsThrough(ReadoutField field) {
    std::vector<std::string> datagrams{std::string(protocol::kHandshake)};
    for (const ReadoutEntry& entry : kReadout) {
        if (entry.field > field) {
            break;
        }
        if (!entry.command.empty()) {
            datagrams.emplace_back(entry.command);
        }
    }
    return datagrams;
}

FakeDevice FakeDevice::answeringReadout() {
    const std::map<ReadoutField, std::string> replies{
        {ReadoutField::IdentityRecord, "KLV-2000|FW2.3|SN4711"},
        {ReadoutField::Port, "10001"},
        {ReadoutField::Mac, "0.4.163.18.52.86"},
        {ReadoutField::Gateway, "192.168.1.1"},
        {ReadoutField::Mask, "255.255.255.0"},
        {ReadoutField::Dns, "192.168.1.2"},
        {ReadoutField::Time, SettingsRecord(14)},
        {ReadoutField::Server, "10.0.0.9"},
    };
    FakeDevice d;
    for (const ReadoutEntry& entry : kReadout) {
        if (!entry.command.empty()) {
            const auto given = replies.find(entry.field);
            d.replies[std::string(entry.command)] =
                given != replies.end() ? given->second : std::string(entry.name);
        }
    }
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
