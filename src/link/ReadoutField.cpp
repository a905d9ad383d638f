#include "link/ReadoutField.h"

#include <array>

namespace kelvra {

namespace {

constexpr std::array<std::string_view, kReadoutFieldCount> kFieldNames{
    "identity_record", "identity",     "address",      "port",          "mac",
    "gateway",         "mask",         "dns",          "time",          "date",
    "clock_offset_s",  "ambient_high", "ambient_low",  "humidity_high", "humidity_low",
    "pressure_high",   "pressure_low", "cabinet_high", "cabinet_low",   "near_high",
    "near_low",        "server",       "server_port",
};

} // namespace

std::string_view ReadoutFieldName(ReadoutField field) {
    return kFieldNames[static_cast<std::size_t>(field)];
}

std::optional<ReadoutField> ReadoutFieldNamed(std::string_view name) {
    for (int at = 0; at < kReadoutFieldCount; ++at) {
        if (kFieldNames[static_cast<std::size_t>(at)] == name) {
            return static_cast<ReadoutField>(at);
        }
    }
    return std::nullopt;
}

} // namespace kelvra
