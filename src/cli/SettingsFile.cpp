#include "cli/SettingsFile.h"

#include "cli/JsonObject.h"
#include "cli/UsageError.h"
#include "cli/ValueChecks.h"
#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/Ipv4Address.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace kelvra::cli {

namespace {

constexpr std::string_view kNotReadOutput = "not what read --json prints: ";

const AddressKind* AddressKindOf(ReadoutField field) {
    const auto kind = std::find_if(kAddressKinds.begin(), kAddressKinds.end(),
                                   [field](const AddressKind& k) { return k.field == field; });
    return kind == kAddressKinds.end() ? nullptr : &*kind;
}

bool IsLimit(ReadoutField field) {
    return std::any_of(kQuantities.begin(), kQuantities.end(), [field](const Quantity& q) {
        return q.highField == field || q.lowField == field;
    });
}

// Every setting there, each as its set- command would take it.
void RequireSettings(const DeviceSettings& settings) {
    std::vector<ReadoutField> fields = LimitAndServerFields();
    const std::vector<ReadoutField> network = NetworkFields();
    fields.insert(fields.end(), network.begin(), network.end());
    for (const ReadoutField field : fields) {
        const std::string name(ReadoutFieldName(field));
        const auto value = settings.values.find(field);
        if (value == settings.values.end()) {
            throw UsageError("no value of " + name);
        }
        try {
            if (const AddressKind* kind = AddressKindOf(field)) {
                RequireAddress(value->second, *kind);
            } else {
                RequireInteger(value->second);
            }
        } catch (const UsageError& error) {
            throw UsageError(name + ": " + error.what());
        }
    }
}

DeviceSettings SettingsOfLine(std::string_view line) {
    std::vector<JsonMember> members;
    try {
        members = ParseJsonObject(line);
    } catch (const std::invalid_argument& error) {
        throw UsageError(std::string(kNotReadOutput) + error.what());
    }
    std::optional<DeviceTarget> device;
    std::string result;
    const JsonMember* values = nullptr;
    for (const JsonMember& member : members) {
        if (member.name == "device" && !member.isObject && !device) {
            device = ParseDeviceTarget(member.text);
        } else if (member.name == "result" && !member.isObject && result.empty()) {
            result = member.text;
        } else if (member.name == "values" && member.isObject && values == nullptr) {
            values = &member;
        } else if (member.name != "reason" || member.isObject) {
            throw UsageError(std::string(kNotReadOutput) + "'" + member.name + "'");
        }
    }
    if (!device || (result != "ok" && result != "failed")) {
        throw UsageError(std::string(kNotReadOutput) + "no device and result");
    }
    if (result != "ok" || values == nullptr || values->members.empty()) {
        throw UsageError("the read of " + device->label() + " failed or holds no values");
    }
    DeviceSettings settings{*device, {}};
    for (const auto& [name, value] : values->members) {
        const auto field = ReadoutFieldNamed(name);
        if (!field || !settings.values.emplace(*field, value).second) {
            throw UsageError(std::string(kNotReadOutput) + "value '" + name + "'");
        }
    }
    RequireSettings(settings);
    return settings;
}

} // namespace

std::vector<ReadoutField> LimitAndServerFields() {
    std::vector<ReadoutField> fields;
    for (const Quantity& quantity : kQuantities) {
        fields.push_back(quantity.highField);
        fields.push_back(quantity.lowField);
    }
    fields.push_back(kServerAddressKind.field);
    return fields;
}

const std::vector<AddressKind>& NetworkKinds() {
    static const std::vector<AddressKind> kinds{kSubnetMaskKind, kGatewayKind, kDnsServerKind};
    return kinds;
}

std::vector<ReadoutField> NetworkFields() {
    std::vector<ReadoutField> fields;
    for (const AddressKind& kind : NetworkKinds()) {
        fields.push_back(kind.field);
    }
    return fields;
}

std::vector<DeviceSettings> ParseSettingsFile(std::string_view contents,
                                              const std::string& fileName) {
    std::vector<DeviceSettings> settings;
    int lineNumber = 0;
    while (!contents.empty()) {
        ++lineNumber;
        const std::size_t end = contents.find('\n');
        const std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) {
            continue;
        }
        try {
            DeviceSettings device = SettingsOfLine(line);
            for (const DeviceSettings& earlier : settings) {
                if (earlier.device == device.device) {
                    throw UsageError(device.device.label() + " is named twice");
                }
            }
            settings.push_back(std::move(device));
        } catch (const UsageError& error) {
            throw UsageError(fileName + ":" + std::to_string(lineNumber) + ": " + error.what());
        }
    }
    if (settings.empty()) {
        throw UsageError(fileName + ": no settings in it");
    }
    return settings;
}

const DeviceSettings& SettingsFor(const std::vector<DeviceSettings>& settings,
                                  const DeviceTarget& device) {
    if (settings.size() == 1) {
        return settings.front();
    }
    for (const DeviceSettings& each : settings) {
        if (each.device == device) {
            return each;
        }
    }
    throw UsageError("the settings file holds no settings for " + device.label());
}

bool SameSetting(ReadoutField field, const std::string& deviceValue, const std::string& fileValue) {
    if (IsLimit(field)) {
        try {
            return StrToInt(deviceValue) == StrToInt(fileValue);
        } catch (const EConvertError&) {
        }
    } else if (AddressKindOf(field) != nullptr) {
        const auto device = ParseDottedQuad(deviceValue);
        const auto file = ParseDottedQuad(fileValue);
        if (device && file) {
            return *device == *file;
        }
    }
    return deviceValue == fileValue;
}

} // namespace kelvra::cli
