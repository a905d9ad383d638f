#pragma once

#include <optional>
#include <string_view>

namespace kelvra {

// The values a readout hands over, in the order in which they arrive.
enum class ReadoutField {
    IdentityRecord, // the whole identity reply, without CR LF
    Identity,       // its first item
    Address,        // the address the readout went to
    Port,
    Mac,
    Gateway,
    Mask,
    Dns,
    Time, // the device's clock
    Date,
    ClockOffset, // the device's clock minus the PC's, in whole seconds
    AmbientHigh,
    AmbientLow,
    HumidityHigh,
    HumidityLow,
    PressureHigh,
    PressureLow,
    CabinetHigh,
    CabinetLow,
    NearHigh,
    NearLow,
    Server,
    ServerPort,
};

inline constexpr int kReadoutFieldCount = static_cast<int>(ReadoutField::ServerPort) + 1;

// The name a readout value goes by outside the window, such as "ambient_high".
std::string_view ReadoutFieldName(ReadoutField field);

// The field of that name; empty for a name no field has.
std::optional<ReadoutField> ReadoutFieldNamed(std::string_view name);

} // namespace kelvra
