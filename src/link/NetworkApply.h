#pragma once

// What "Cihaza Uygula" writes and what it came to, for the window and the command
// line alike.

#include "core/AddressParts.h"
#include "link/Operations.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

inline constexpr std::string_view kGroupMismatchText =
    "Cihaza Verilen IP Adresi grubu ile bilgisayar ip adres grubu farklı.";
inline constexpr std::string_view kPowerCycleText = "Cihazın Enerjisini Kapatıp Tekrar Açınız.";

// One address to write: the text as typed, the prefix of its commands and the
// caption that names it in the log lines and the result text.
struct AddressSetting {
    std::string value;
    std::string prefix;
    std::string caption;
    bool operator==(const AddressSetting&) const = default;
};

// The addresses of a readdressing, in the order they go out.
inline constexpr std::array<AddressKind, 4> kNetworkSettingKinds{
    kDeviceAddressKind, kSubnetMaskKind, kGatewayKind, kDnsServerKind};
using NetworkSettings = std::array<AddressSetting, kNetworkSettingKinds.size()>;

struct NetworkApplyOutcome {
    // The new address is outside the PC's group (a warning only).
    bool groupDiffers = false;
    bool connected = false;
    // Why the new address was refused after the connect, when it was; nothing was
    // written then.
    DeviceAddressRefusal refusal = DeviceAddressRefusal::None;
    // One per address, in order, once they went out.
    std::vector<WriteOutcome> written;

    bool set() const {
        bool all = !written.empty();
        for (const WriteOutcome& outcome : written) {
            all = all && outcome.set;
        }
        return all;
    }
};

} // namespace kelvra
