#pragma once

#include "cli/DeviceList.h"
#include "link/Operations.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

// One device's settings as read --json printed them.
struct DeviceSettings {
    DeviceTarget device;
    std::map<ReadoutField, std::string> values;

    const std::string& value(ReadoutField field) const { return values.at(field); }
};

// What diff compares and restore writes: the ten limits, the server address and,
// for restore only with --with-network, the network settings. Never the device's
// own address or MAC.
std::vector<ReadoutField> LimitAndServerFields();
const std::vector<AddressKind>& NetworkKinds();
std::vector<ReadoutField> NetworkFields();

// A settings file: what read --json prints, one object per device, and any JSON a
// person writes for it: objects one after the other or in arrays, over as many
// lines as they like, members in any order, limits as numbers or strings. Every
// object must be a successful read of a device named once, holding every setting
// above with a value its set- command takes; members that are no setting are
// ignored, and a note naming them goes to notes when given. fileName only names
// the file in messages. Throws UsageError naming the file and line (and column
// where the JSON itself is broken).
std::vector<DeviceSettings> ParseSettingsFile(std::string_view contents,
                                              const std::string& fileName,
                                              std::vector<std::string>* notes = nullptr);

// The settings for device: the file's only object, or else the object of that
// device. Throws UsageError when the file has none for it.
const DeviceSettings& SettingsFor(const std::vector<DeviceSettings>& settings,
                                  const DeviceTarget& device);

// Whether a device's value equals the file's: limits as integers, addresses part by
// part ("01" is 1), anything else, or a value that does not read so, as text.
bool SameSetting(ReadoutField field, const std::string& deviceValue, const std::string& fileValue);

} // namespace kelvra::cli
