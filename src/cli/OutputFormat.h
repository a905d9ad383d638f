#pragma once

#include "cli/DeviceOutcome.h"
#include "link/DeviceReadout.h"

#include <string>
#include <string_view>

namespace kelvra::cli {

// text as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

// One line without its line break: the device, "ok", "failed" or "differs" (the
// device was read, and settings differ from the file's), then the reason, the
// values as NAME=VALUE (a value that is empty or holds blanks, quotes, "=" or
// control characters quoted as in JSON) and each difference as
// NAME=DEVICEVALUE (file FILEVALUE).
std::string FormatLine(const DeviceOutcome& outcome);

// One JSON object on one line: "device", "result" (as the line's), "reason" when
// there is one, "values" (an object by name) when the readout handed any over, and
// "differences" (by name, each with "device" and "file") when there are any.
std::string FormatJson(const DeviceOutcome& outcome);

} // namespace kelvra::cli
