#pragma once

#include "support/ScriptedEndpoint.h"

#include <map>
#include <string>
#include <vector>

namespace kelvra::test {

// A readout's datagrams: the handshake, then the eight read commands in their order.
inline const std::vector<std::string> kReadoutDatagrams{"COK", "CAS", "CPR", "CMR", "CGR",
                                                        "CKR", "CDR", "CSS", "CSR"};

// A device as a table: a reply per command, the handshake's reply and the reply to
// every other (set) command. An empty reply is silence.
struct FakeDevice {
    std::map<std::string, std::string> replies;
    std::string handshakeReply = "OK";
    std::string setReply = "OK";
    // Datagrams whose reply wait fails, with the ESocketError message.
    std::map<std::string, std::string> receiveErrors;

    ScriptedEndpoint::Responder responder() const;

    // A device that answers the whole readout.
    static FakeDevice answeringReadout();
};

// "HH:MM:SS" stripped from the start of a log line.
std::string WithoutTime(const std::string& line);
std::vector<std::string> WithoutTimes(const std::vector<std::string>& lines);

// A settings record of n items: the device's clock, then "v<i>" at position i.
std::string SettingsRecord(int items);

} // namespace kelvra::test
