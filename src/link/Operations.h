#pragma once

// What each device write is made of and what it came to, one table for the window
// and the command line alike.

#include "link/Protocol.h"
#include "link/ReadoutField.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvra {

// The verdict of a device write and the text that tells it: the result box's text,
// or for limits every datagram with its reply.
struct WriteOutcome {
    bool set = false;
    std::string text;
    // Not set, though no reply refused it: one or more commands went unanswered.
    bool unanswered = false;
};

// A quantity with alarm limits: its name on the command line, its limit commands,
// the high one sent first, and the readout values that hold the limits.
struct Quantity {
    std::string_view name;
    std::string_view high;
    std::string_view low;
    ReadoutField highField;
    ReadoutField lowField;
};

inline constexpr Quantity kAmbient{"ambient", protocol::kAmbientHigh, protocol::kAmbientLow,
                                   ReadoutField::AmbientHigh, ReadoutField::AmbientLow};
inline constexpr Quantity kHumidity{"humidity", protocol::kHumidityHigh, protocol::kHumidityLow,
                                    ReadoutField::HumidityHigh, ReadoutField::HumidityLow};
inline constexpr Quantity kPressure{"pressure", protocol::kPressureHigh, protocol::kPressureLow,
                                    ReadoutField::PressureHigh, ReadoutField::PressureLow};
inline constexpr Quantity kCabinet{"cabinet", protocol::kCabinetHigh, protocol::kCabinetLow,
                                   ReadoutField::CabinetHigh, ReadoutField::CabinetLow};
inline constexpr Quantity kNear{"near", protocol::kNearHigh, protocol::kNearLow,
                                ReadoutField::NearHigh, ReadoutField::NearLow};
inline constexpr std::array<Quantity, 5> kQuantities{kAmbient, kHumidity, kPressure, kCabinet,
                                                     kNear};

// An address the device holds: its name on the command line, the prefix of its
// commands, the caption of the window's box for it and the readout value that
// holds it.
struct AddressKind {
    std::string_view name;
    std::string_view prefix;
    std::string_view caption;
    ReadoutField field;
};

inline constexpr AddressKind kDeviceAddressKind{"device", protocol::kDeviceAddress,
                                                "Yeni IP Adresi", ReadoutField::Address};
inline constexpr AddressKind kSubnetMaskKind{"mask", protocol::kSubnetMask, "Alt Ağ Maskesi",
                                             ReadoutField::Mask};
inline constexpr AddressKind kGatewayKind{"gateway", protocol::kGateway, "Varsayılan Ağ Geçidi",
                                          ReadoutField::Gateway};
inline constexpr AddressKind kDnsServerKind{"dns", protocol::kDnsServer, "DNS", ReadoutField::Dns};
inline constexpr AddressKind kServerAddressKind{"server", protocol::kServerAddress,
                                                "Modem IP Adresi", ReadoutField::Server};
inline constexpr std::array<AddressKind, 5> kAddressKinds{
    kDeviceAddressKind, kSubnetMaskKind, kGatewayKind, kDnsServerKind, kServerAddressKind};

// One limit datagram to send: the command and the value text it carries.
struct LimitSetting {
    std::string command;
    std::string valueText;
    bool operator==(const LimitSetting&) const = default;
};

} // namespace kelvra
