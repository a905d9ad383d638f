#include "cli/DeviceList.h"

#include "cli/UsageError.h"
#include "core/Errors.h"
#include "core/IntegerText.h"
#include "link/Protocol.h"

#include <algorithm>

namespace kelvra::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

DeviceTarget ParseDeviceTarget(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    DeviceTarget device{std::string(text.substr(0, colon)),
                        colon == std::string_view::npos ? std::string(protocol::kDefaultPortText)
                                                        : std::string(text.substr(colon + 1))};
    if (device.host.empty() || std::any_of(device.host.begin(), device.host.end(), [](char c) {
            return IsBlank(c) || c == '\n' || c == ':';
        })) {
        throw UsageError("'" + std::string(text) + "' is not a device (HOST or HOST:PORT)");
    }
    std::int32_t port = 0;
    try {
        port = StrToInt(device.portText);
    } catch (const EConvertError& error) {
        throw UsageError(error.what());
    }
    if (!protocol::IsUdpPort(port)) {
        throw UsageError(EPortRangeError(device.portText).what());
    }
    return device;
}

std::vector<DeviceTarget> ParseDeviceList(std::string_view contents, const std::string& fileName) {
    std::vector<DeviceTarget> devices;
    int lineNumber = 0;
    while (!contents.empty()) {
        ++lineNumber;
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);

        line = Trimmed(line.substr(0, line.find('#')));
        if (line.empty()) {
            continue;
        }
        try {
            devices.push_back(ParseDeviceTarget(line));
        } catch (const UsageError& error) {
            throw UsageError(fileName + ":" + std::to_string(lineNumber) + ": " + error.what());
        }
    }
    return devices;
}

std::vector<DeviceTarget> WithoutRepeats(const std::vector<DeviceTarget>& devices) {
    std::vector<DeviceTarget> once;
    for (const DeviceTarget& device : devices) {
        if (std::find(once.begin(), once.end(), device) == once.end()) {
            once.push_back(device);
        }
    }
    return once;
}

} // namespace kelvra::cli
