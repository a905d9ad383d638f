#include "link/DeviceReadout.h"

#include "link/ClockOffset.h"
#include "link/KelvraDM.h"
#include "link/Protocol.h"

#include <array>
#include <utility>

namespace kelvra {

namespace {

// Where the settings record's items go; positions 2 and 3 are not handed over.
constexpr std::array<std::pair<int, ReadoutField>, 12> kSettingsPositions{{
    {0, ReadoutField::Time},
    {1, ReadoutField::Date},
    {4, ReadoutField::AmbientHigh},
    {5, ReadoutField::AmbientLow},
    {6, ReadoutField::HumidityHigh},
    {7, ReadoutField::HumidityLow},
    {8, ReadoutField::PressureHigh},
    {9, ReadoutField::PressureLow},
    {10, ReadoutField::CabinetHigh},
    {11, ReadoutField::CabinetLow},
    {12, ReadoutField::NearHigh},
    {13, ReadoutField::NearLow},
}};

// The identity comes first, also when it is all that is read.
constexpr std::string_view kIdentityRead =
    kReadout[static_cast<std::size_t>(ReadoutField::IdentityRecord)].command;
static_assert(kReadout[0].use == ReplyUse::Identity);

using Query = std::function<std::string(std::string_view command)>;

// A read command that returns its reply and notes the first one left unanswered.
Query Querying(TFKelvraDM& dm, ReadoutResult& result) {
    return [&dm, &result](std::string_view command) {
        std::string reply = dm.QueryDevice(std::string(command));
        if (reply.empty() && result.unanswered.empty()) {
            result.unanswered = command;
        }
        return reply;
    };
}

void ReadIdentity(TFKelvraDM& dm, const std::string& ipText, const std::string& identity,
                  const ReadoutSink& sink) {
    sink(ReadoutField::IdentityRecord, identity);
    dm.LoadRecord(identity);
    dm.Log(" " + std::string(kIdentityRead) + " " + identity);
    sink(ReadoutField::Identity, dm.Fields()[0]);
    sink(ReadoutField::Address, ipText);
}

// The settings record's values, the clock offset right after the date. An empty
// record hands over empty values.
void HandOverSettings(TFKelvraDM& dm, const std::string& settings, const ReadoutSink& sink) {
    if (!settings.empty()) {
        dm.LoadRecord(settings);
    }
    // Taken when the record came in, before the next command's waits.
    const CalendarTime arrived = dm.LocalTime(dm.LastReplyTime());
    std::string time;
    // Item by item, so that a short record hands over what it holds before it fails.
    for (const auto& [position, field] : kSettingsPositions) {
        const std::string value = settings.empty() ? std::string() : dm.Fields()[position];
        sink(field, value);
        if (field == ReadoutField::Time) {
            time = value;
        } else if (field == ReadoutField::Date) {
            const auto offset = ClockOffsetSeconds(time, value, arrived);
            sink(ReadoutField::ClockOffset, offset ? std::to_string(*offset) : std::string());
        }
    }
}

} // namespace

ReadoutResult ReadDeviceInformation(TFKelvraDM& dm, const std::string& ipText,
                                    const std::string& portText, const ReadoutSink& sink,
                                    UnansweredHandshake unanswered) {
    ReadoutResult result;
    result.handshakeAnswered = dm.ConnectDevice(ipText, portText);
    if (!result.handshakeAnswered && unanswered == UnansweredHandshake::Stop) {
        return result;
    }
    const Query query = Querying(dm, result);
    for (const ReadoutEntry& entry : kReadout) {
        if (entry.command.empty()) {
            continue;
        }
        const std::string reply = query(entry.command);
        switch (entry.use) {
        case ReplyUse::Identity:
            ReadIdentity(dm, ipText, reply, sink);
            break;
        case ReplyUse::Mac:
            sink(entry.field, dm.FormatMac(reply));
            break;
        case ReplyUse::Settings:
            // A silent device: no values rather than stale ones, and the readout goes on.
            HandOverSettings(dm, reply, sink);
            break;
        case ReplyUse::Text:
        case ReplyUse::None:
            sink(entry.field, reply);
            break;
        }
    }
    sink(ReadoutField::ServerPort, std::string(protocol::kServerPort));
    return result;
}

bool ReadDeviceSettings(TFKelvraDM& dm, const ReadoutSink& sink) {
    const std::string settings = dm.QueryDevice(std::string(ReadoutCommand(ReadoutField::Time)));
    HandOverSettings(dm, settings, sink);
    return !settings.empty();
}

bool ReadServerAddress(TFKelvraDM& dm, const ReadoutSink& sink) {
    const std::string server = dm.QueryDevice(std::string(ReadoutCommand(ReadoutField::Server)));
    sink(ReadoutField::Server, server);
    return !server.empty();
}

ReadoutResult ReadDeviceIdentity(TFKelvraDM& dm, const std::string& ipText,
                                 const std::string& portText, const ReadoutSink& sink) {
    ReadoutResult result;
    result.handshakeAnswered = dm.ConnectDevice(ipText, portText);
    if (result.handshakeAnswered) {
        ReadIdentity(dm, ipText, Querying(dm, result)(kIdentityRead), sink);
    }
    return result;
}

} // namespace kelvra
