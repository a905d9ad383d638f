#include "cli/SettingsFile.h"

#include "cli/JsonText.h"
#include "cli/UsageError.h"
#include "cli/ValueChecks.h"
#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/Ipv4Address.h"

#include <algorithm>
#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>

namespace kelvra::cli {

namespace {

using Json = nlohmann::ordered_json;

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

// The member's text: a string, or for a limit also a number as it is written.
std::string ValueText(const std::string& name, const Json& value, bool numberTaken) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (numberTaken && value.is_number()) {
        return value.dump();
    }
    throw UsageError("'" + name + "': JSON " + value.type_name() + " where a string" +
                     (numberTaken ? " or number" : "") + " belongs");
}

// One object of the file (Json, an object); the names of the members it ignores go to ignored.
DeviceSettings SettingsOfObject(const Json& object, std::vector<std::string>& ignored) {
    std::optional<DeviceTarget> device;
    std::string result;
    const Json* values = nullptr;
    for (const auto& [name, member] : object.items()) {
        if (name == "device") {
            device = ParseDeviceTarget(ValueText(name, member, false));
        } else if (name == "result") {
            result = ValueText(name, member, false);
        } else if (name == "values") {
            if (!member.is_object()) {
                throw UsageError("'values': JSON " + std::string(member.type_name()) +
                                 " where an object belongs");
            }
            values = &member;
        } else if (name == "reason") {
            ValueText(name, member, false);
        } else {
            ignored.push_back(name);
        }
    }
    if (!device || (result != "ok" && result != "failed")) {
        throw UsageError(std::string(kNotReadOutput) + "no device and result");
    }
    if (result != "ok" || values == nullptr || values->empty()) {
        throw UsageError("the read of " + device->label() + " failed or holds no values");
    }
    DeviceSettings settings{*device, {}};
    for (const auto& [name, member] : values->items()) {
        if (const auto field = ReadoutFieldNamed(name)) {
            settings.values.emplace(*field, ValueText(name, member, IsLimit(*field)));
        } else {
            ignored.push_back("values." + name);
        }
    }
    RequireSettings(settings);
    return settings;
}

// The file's objects, one after the other or inside arrays, each with the line it
// begins on; UsageError naming the line and column of what is not JSON or no object.
class JsonSequence {
public:
    JsonSequence(std::string_view contents, const std::string& fileName)
        : contents_(contents), fileName_(fileName), in_(std::string(contents)) {}

    // Hands each object, with its line, to take.
    template <typename Take> void forEachObject(Take take) {
        while (skipBlanks()) {
            if (in_.peek() != '[') {
                const std::size_t start = position();
                take(value(), lineOf(start));
                continue;
            }
            in_.get();
            for (bool first = true;; first = false) {
                if (skipBlanks() && first && in_.peek() == ']') {
                    in_.get();
                    break;
                }
                const std::size_t start = position();
                take(value(), lineOf(start));
                skipBlanks();
                const std::size_t after = position();
                const int next = in_.get();
                if (next == ']') {
                    break;
                }
                if (next != ',') {
                    fail(after, "not JSON: ',' or ']' belongs after an element of an array");
                }
            }
        }
    }

    std::string lineOf(std::size_t offset) const {
        const std::size_t before = std::min(offset, contents_.size());
        return fileName_ + ":" +
               std::to_string(std::count(contents_.begin(), contents_.begin() + before, '\n') + 1);
    }

private:
    bool skipBlanks() {
        in_ >> std::ws;
        return in_.peek() != std::char_traits<char>::eof();
    }

    std::size_t position() {
        in_.clear();
        return static_cast<std::size_t>(in_.tellg());
    }

    // The next value, read once for where it ends and once more with a watch on
    // its member names: a member named twice in one object is refused, which the
    // library would take as the last of them.
    Json value() {
        const std::size_t start = position();
        // Not even tried: the library's lookahead would take what ends a number or word.
        if (in_.peek() != '{') {
            fail(start, std::string(kNotReadOutput) + "an object belongs here");
        }
        try {
            Json extent;
            in_ >> extent;
        } catch (const Json::parse_error& error) {
            fail(start + (error.byte > 0 ? error.byte - 1 : 0),
                 "not JSON: " + LibraryMessage(error));
        }
        std::string repeated;
        std::vector<std::set<std::string>> seen;
        const auto watch = [&](int depth, Json::parse_event_t event, Json& parsed) {
            if (event == Json::parse_event_t::object_start) {
                seen.resize(static_cast<std::size_t>(depth) + 1);
                seen[static_cast<std::size_t>(depth)].clear();
            } else if (event == Json::parse_event_t::key &&
                       !seen[static_cast<std::size_t>(depth) - 1]
                            .insert(parsed.get<std::string>())
                            .second &&
                       repeated.empty()) {
                repeated = parsed.get<std::string>();
            }
            return true;
        };
        // The same text again, so it parses as before.
        Json parsed = Json::parse(contents_.substr(start, position() - start), watch);
        if (!repeated.empty()) {
            throw UsageError(lineOf(start) + ": '" + repeated + "' is given twice");
        }
        return parsed;
    }

    // The library's reason without its own "at line L, column C", which counts
    // from where this value began.
    static std::string LibraryMessage(const Json::parse_error& error) {
        const std::string what = error.what();
        std::size_t at = what.find(", column ");
        at = at == std::string::npos ? at : what.find(": ", at);
        return MendedUtf8(at == std::string::npos ? what : what.substr(at + 2));
    }

    [[noreturn]] void fail(std::size_t offset, const std::string& what) const {
        const std::size_t before = std::min(offset, contents_.size());
        const std::size_t lineEnd =
            before == 0 ? std::string_view::npos : contents_.rfind('\n', before - 1);
        const std::size_t column =
            before - (lineEnd == std::string_view::npos ? 0 : lineEnd + 1) + 1;
        throw UsageError(lineOf(offset) + ":" + std::to_string(column) + ": " + what);
    }

    std::string_view contents_;
    const std::string& fileName_;
    std::istringstream in_;
};

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
                                              const std::string& fileName,
                                              std::vector<std::string>* notes) {
    std::vector<DeviceSettings> settings;
    JsonSequence file(contents, fileName);
    file.forEachObject([&](const Json& object, const std::string& where) {
        std::vector<std::string> ignored;
        try {
            DeviceSettings device = SettingsOfObject(object, ignored);
            for (const DeviceSettings& earlier : settings) {
                if (earlier.device == device.device) {
                    throw UsageError(device.device.label() + " is named twice");
                }
            }
            settings.push_back(std::move(device));
        } catch (const UsageError& error) {
            throw UsageError(where + ": " + error.what());
        }
        if (!ignored.empty() && notes != nullptr) {
            std::string names;
            for (const std::string& name : ignored) {
                names += (names.empty() ? "" : ", ") + name;
            }
            notes->push_back(where + ": ignored what no setting is: " + names);
        }
    });
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
