#pragma once

// The readout as one table: every value a readout hands over, in the order in which
// they arrive, with its name outside the window and the read command whose reply
// fills it. The readout, the command line's names and the tests follow this table.

#include "link/Protocol.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kelvra {

enum class ReadoutField {
    IdentityRecord,
    Identity,
    Address,
    Port,
    Mac,
    Gateway,
    Mask,
    Dns,
    Time,
    Date,
    ClockOffset,
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

// What a read command's reply becomes.
enum class ReplyUse {
    None,     // no read of its own: its value comes with the read above it, or from the link
    Identity, // the whole record, then its first item and the address the readout went to
    Text,     // the reply itself
    Mac,      // the reply shown as a MAC
    Settings, // the settings record: the device's clock, its offset and the ten limits
};

struct ReadoutEntry {
    ReadoutField field;
    std::string_view name;
    std::string_view command = {}; // the read command sent for it, if any
    ReplyUse use = ReplyUse::None;
};

inline constexpr ReadoutEntry kReadout[] = {
    {ReadoutField::IdentityRecord, "identity_record", "CAS", ReplyUse::Identity},
    {ReadoutField::Identity, "identity"},
    {ReadoutField::Address, "address"},
    {ReadoutField::Port, "port", "CPR", ReplyUse::Text},
    {ReadoutField::Mac, "mac", "CMR", ReplyUse::Mac},
    {ReadoutField::Gateway, "gateway", "CGR", ReplyUse::Text},
    {ReadoutField::Mask, "mask", "CKR", ReplyUse::Text},
    {ReadoutField::Dns, "dns", "CDR", ReplyUse::Text},
    {ReadoutField::Time, "time", "CSS", ReplyUse::Settings},
    {ReadoutField::Date, "date"},
    {ReadoutField::ClockOffset, "clock_offset_s"}, // device minus PC, whole seconds
    {ReadoutField::AmbientHigh, "ambient_high"},
    {ReadoutField::AmbientLow, "ambient_low"},
    {ReadoutField::HumidityHigh, "humidity_high"},
    {ReadoutField::HumidityLow, "humidity_low"},
    {ReadoutField::PressureHigh, "pressure_high"},
    {ReadoutField::PressureLow, "pressure_low"},
    {ReadoutField::CabinetHigh, "cabinet_high"},
    {ReadoutField::CabinetLow, "cabinet_low"},
    {ReadoutField::NearHigh, "near_high"},
    {ReadoutField::NearLow, "near_low"},
    {ReadoutField::Server, "server", "CSR", ReplyUse::Text},
    {ReadoutField::ServerPort, "server_port"}, // never asked of the device
};

inline constexpr int kReadoutFieldCount = static_cast<int>(std::size(kReadout));

constexpr bool RowsInFieldOrder() {
    for (int at = 0; at < kReadoutFieldCount; ++at) {
        if (static_cast<int>(kReadout[at].field) != at) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInFieldOrder(), "one row per field, in the enumeration's order");

inline constexpr int kReadCommandCount = [] {
    int reads = 0;
    for (const ReadoutEntry& entry : kReadout) {
        reads += entry.command.empty() ? 0 : 1;
    }
    return reads;
}();

// The read commands in the order the readout sends them.
constexpr std::array<std::string_view, kReadCommandCount> ReadCommands() {
    std::array<std::string_view, kReadCommandCount> commands{};
    std::size_t next = 0;
    for (const ReadoutEntry& entry : kReadout) {
        if (!entry.command.empty()) {
            commands[next++] = entry.command;
        }
    }
    return commands;
}

// A readout's datagrams: the handshake, then every read.
inline constexpr int kReadoutDatagramCount = 1 + kReadCommandCount;

// The fixed pauses of a readout whose every datagram is answered at once: the
// connect's settle, then a pause on either side of each read's reply.
inline constexpr int kReadoutPausesMs =
    protocol::kConnectSettleMs + kReadCommandCount * 2 * protocol::kCommandPauseMs;

// The name a readout value goes by outside the window, such as "ambient_high".
// The read command whose reply fills field, as the read-backs after a write ask it.
constexpr std::string_view ReadoutCommand(ReadoutField field) {
    return kReadout[static_cast<std::size_t>(field)].command;
}

constexpr std::string_view ReadoutFieldName(ReadoutField field) {
    return kReadout[static_cast<std::size_t>(field)].name;
}

// The field of that name; empty for a name no field has.
std::optional<ReadoutField> ReadoutFieldNamed(std::string_view name);

} // namespace kelvra
