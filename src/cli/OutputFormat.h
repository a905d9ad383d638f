#pragma once

#include "cli/DeviceOutcome.h"
#include "link/DeviceReadout.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvra::cli {

// text as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

// text on one line: every run of line breaks becomes one blank.
std::string OneLine(std::string_view text);

// One line without its line break: the device, "ok", "failed", "unconfirmed" or
// "differs" (the device was read, and settings differ from the file's), then the
// reason, the
// values as NAME=VALUE (a value that is empty or holds blanks, quotes, "=" or
// control characters quoted as in JSON) and each difference as
// NAME=DEVICEVALUE (file FILEVALUE), or (sent SENTVALUE) for a write read back.
std::string FormatLine(const DeviceOutcome& outcome);

// One JSON object on one line: "device", "result" (as the line's), "reason" when
// there is one, "values" (an object by name) when the readout handed any over, and
// "differences" (by name, each with "device" and "file" or "sent") when there are
// any.
std::string FormatJson(const DeviceOutcome& outcome);

// The columns of --csv after device, result and reason: with differences the
// setting, its device and its file value; else the values of these fields in this
// order (empty when the device handed none over).
struct CsvColumns {
    std::vector<ReadoutField> values;
    bool differences = false;
};

// The header row and the rows of one device, without the last line break: one row,
// or with differences one row per difference. Fields that hold a comma, quote,
// blank or line break are quoted, a quote doubled (RFC 4180); bytes that are not
// UTF-8 become U+FFFD.
std::string CsvHeader(const CsvColumns& columns);
std::string FormatCsv(const DeviceOutcome& outcome, const CsvColumns& columns);

} // namespace kelvra::cli
