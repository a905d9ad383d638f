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

std::string Query(TFKelvraDM& dm, std::string_view command) {
    return dm.QueryDevice(std::string(command));
}

} // namespace

bool ReadDeviceInformation(TFKelvraDM& dm, const std::string& ipText, const std::string& portText,
                           const ReadoutSink& sink, UnansweredHandshake unanswered) {
    using namespace protocol;

    const bool answered = dm.ConnectDevice(ipText, portText);
    if (!answered && unanswered == UnansweredHandshake::Stop) {
        return false;
    }

    const std::string identity = Query(dm, kReadIdentity);
    sink(ReadoutField::IdentityRecord, identity);
    dm.LoadRecord(identity);
    dm.Log(" CAS " + identity);
    sink(ReadoutField::Identity, dm.Fields()[0]);
    sink(ReadoutField::Address, ipText);

    sink(ReadoutField::Port, Query(dm, kReadPort));
    sink(ReadoutField::Mac, dm.FormatMac(Query(dm, kReadMac)));
    sink(ReadoutField::Gateway, Query(dm, kReadGateway));
    sink(ReadoutField::Mask, Query(dm, kReadMask));
    sink(ReadoutField::Dns, Query(dm, kReadDns));

    const std::string settings = Query(dm, kReadSettings);
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

    sink(ReadoutField::Server, Query(dm, kReadServer));
    sink(ReadoutField::ServerPort, std::string(kServerPort));
    return answered;
}

} // namespace kelvra
