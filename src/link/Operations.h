#pragma once

// What each device write is made of and what it came to, one table for the window
// and the command line alike.

#include "link/Protocol.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvra {

// The verdict of a device write and the text that tells it: the result box's text,
// or for limits every datagram with its reply.
struct WriteOutcome {
    bool set = false;
    std::string text;
};

// A quantity with alarm limits: its name on the command line and its limit
// commands, the high one sent first.
struct Quantity {
    std::string_view name;
    std::string_view high;
    std::string_view low;
};

inline constexpr Quantity kAmbient{"ambient", protocol::kAmbientHigh, protocol::kAmbientLow};
inline constexpr Quantity kHumidity{"humidity", protocol::kHumidityHigh, protocol::kHumidityLow};
inline constexpr Quantity kPressure{"pressure", protocol::kPressureHigh, protocol::kPressureLow};
inline constexpr Quantity kCabinet{"cabinet", protocol::kCabinetHigh, protocol::kCabinetLow};
inline constexpr Quantity kNear{"near", protocol::kNearHigh, protocol::kNearLow};
inline constexpr std::array<Quantity, 5> kQuantities{kAmbient, kHumidity, kPressure, kCabinet,
                                                     kNear};

// An address the device holds: its name on the command line, the prefix of its
// commands and the caption of the window's box for it.
struct AddressKind {
    std::string_view name;
    std::string_view prefix;
    std::string_view caption;
};

inline constexpr AddressKind kDeviceAddressKind{"device", protocol::kDeviceAddress,
                                                "Yeni IP Adresi"};
inline constexpr AddressKind kSubnetMaskKind{"mask", protocol::kSubnetMask, "Alt Ağ Maskesi"};
inline constexpr AddressKind kGatewayKind{"gateway", protocol::kGateway, "Varsayılan Ağ Geçidi"};
inline constexpr AddressKind kDnsServerKind{"dns", protocol::kDnsServer, "DNS"};
inline constexpr AddressKind kServerAddressKind{"server", protocol::kServerAddress,
                                                "Modem IP Adresi"};
inline constexpr std::array<AddressKind, 5> kAddressKinds{
    kDeviceAddressKind, kSubnetMaskKind, kGatewayKind, kDnsServerKind, kServerAddressKind};

// One limit datagram to send: the command and the value text it carries.
struct LimitSetting {
    std::string command;
    std::string valueText;
    bool operator==(const LimitSetting&) const = default;
};

} // namespace kelvra
