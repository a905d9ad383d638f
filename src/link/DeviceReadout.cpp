#include "link/DeviceReadout.h"

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

constexpr std::array<std::string_view, kReadoutFieldCount> kFieldNames{
    "identity_record", "identity",     "address",       "port",         "mac",
    "gateway",         "mask",         "dns",           "time",         "date",
    "ambient_high",    "ambient_low",  "humidity_high", "humidity_low", "pressure_high",
    "pressure_low",    "cabinet_high", "cabinet_low",   "near_high",    "near_low",
    "server",          "server_port",
};

} // namespace

std::string_view ReadoutFieldName(ReadoutField field) {
    return kFieldNames[static_cast<std::size_t>(field)];
}

ReadoutResult ReadDeviceInformation(TFKelvraDM& dm, const std::string& ipText,
                                    const std::string& portText, const ReadoutSink& sink,
                                    UnansweredHandshake unanswered) {
    using namespace protocol;

    ReadoutResult result;
    result.handshakeAnswered = dm.ConnectDevice(ipText, portText);
    if (!result.handshakeAnswered && unanswered == UnansweredHandshake::Stop) {
        return result;
    }
    const auto query = [&dm, &result](std::string_view command) {
        std::string reply = dm.QueryDevice(std::string(command));
        if (reply.empty() && result.unanswered.empty()) {
            result.unanswered = command;
        }
        return reply;
    };

    const std::string identity = query(kReadIdentity);
    sink(ReadoutField::IdentityRecord, identity);
    dm.LoadRecord(identity);
    dm.Log(" CAS " + identity);
    sink(ReadoutField::Identity, dm.Fields()[0]);
    sink(ReadoutField::Address, ipText);

    sink(ReadoutField::Port, query(kReadPort));
    sink(ReadoutField::Mac, dm.FormatMac(query(kReadMac)));
    sink(ReadoutField::Gateway, query(kReadGateway));
    sink(ReadoutField::Mask, query(kReadMask));
    sink(ReadoutField::Dns, query(kReadDns));

    const std::string settings = query(kReadSettings);
    if (settings.empty()) {
        // A silent device: no values rather than stale ones, and the readout goes on.
        for (const auto& [position, field] : kSettingsPositions) {
            sink(field, std::string());
        }
    } else {
        dm.LoadRecord(settings);
        // Item by item, so that a short record hands over what it holds before it fails.
        for (const auto& [position, field] : kSettingsPositions) {
            sink(field, dm.Fields()[position]);
        }
    }

    sink(ReadoutField::Server, query(kReadServer));
    sink(ReadoutField::ServerPort, std::string(kServerPort));
    return result;
}

} // namespace kelvra
