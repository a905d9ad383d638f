#pragma once

#include "link/Protocol.h"
#include "link/ReadoutField.h"
#include "support/ScriptedEndpoint.h"

#include <map>
#include <string>
#include <vector>

namespace kelvra::test {

// A readout's datagrams: the handshake, then the read commands in their order.
std::vector<std::string> ReadoutDatagrams();
inline const std::vector<std::string> kReadoutDatagrams = ReadoutDatagrams();
// The same up to the read whose reply fills field, that read included.
std::vector<std::string> ReadoutDatagramsThrough(ReadoutField field);

// A whole readout's log lines: the connect line, one a read and the identity's own.
inline constexpr int kReadoutLogLines = kReadoutDatagramCount + 1;

// A read that goes unanswered: the pauses around its reply wait and the wait itself.
inline constexpr long long kSilentReadMs =
    2 * protocol::kCommandPauseMs + protocol::kReceiveTimeoutMs;

// A device as a table: a reply per command, the handshake's reply and the reply to
// every other (set) command. An empty reply is silence.
struct FakeDevice {
    std::map<std::string, std::string> replies;
    std::string handshakeReply = "OK";
    std::string setReply = "OK";
    // Datagrams whose reply wait fails, with the ESocketError message.
    std::map<std::string, std::string> receiveErrors;

    ScriptedEndpoint::Responder responder() const;

    // A device that answers the whole readout; a read with no reply of its own here
    // is answered with its field's name.
    static FakeDevice answeringReadout();
};

// "HH:MM:SS" stripped from the start of a log line.
std::string WithoutTime(const std::string& line);
std::vector<std::string> WithoutTimes(const std::vector<std::string>& lines);

// A settings record of n items: the device's clock, then "v<i>" at position i.
std::string SettingsRecord(int items);

} // namespace kelvra::test
