#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

// One data logger to talk to. The port stays the text it was given, as the window
// keeps its port box's text: that is what the exchange log shows.
struct DeviceTarget {
    std::string host;
    std::string portText;

    std::string label() const { return host + ":" + portText; }
    bool operator==(const DeviceTarget&) const = default;
};

// "HOST" or "HOST:PORT" (the device's default port); the port by the integer text
// rule and the link's port range rule. Throws
// UsageError.
DeviceTarget ParseDeviceTarget(std::string_view text);

// The contents of a device file: one HOST[:PORT] per line, blank lines skipped,
// "#" starting a comment. fileName only names the file in errors. Throws UsageError
// naming the file and line.
std::vector<DeviceTarget> ParseDeviceList(std::string_view contents, const std::string& fileName);

// Each device once, in the order of its first mention.
std::vector<DeviceTarget> WithoutRepeats(const std::vector<DeviceTarget>& devices);

} // namespace kelvra::cli
