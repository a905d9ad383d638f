#pragma once

#include "cli/DeviceOutcome.h"
#include "link/DeviceReadout.h"

#include <string>
#include <string_view>

namespace kelvra::cli {

// text as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

// One line without its line break: the device, "ok" or "failed", then the values as
// NAME=VALUE (a value that is empty or holds blanks, quotes, "=" or control
// characters quoted as in JSON) or the reason on the same line.
std::string FormatLine(const DeviceOutcome& outcome);

// One JSON object on one line: "device", "result" ("ok" or "failed"), "reason" when
// there is one, "values" (an object by name) when the readout handed any over.
std::string FormatJson(const DeviceOutcome& outcome);

} // namespace kelvra::cli
