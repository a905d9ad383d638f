#pragma once

#include "cli/CommandLine.h"
#include "cli/DeviceOutcome.h"
#include "link/Operations.h"
#include "link/Ports.h"

#include <map>
#include <string>
#include <vector>

namespace kelvra {
class TFKelvraDM;
}

namespace kelvra::cli {

using Values = std::map<ReadoutField, std::string>;

// A setting as it went out, or as a settings file holds it.
struct SentSetting {
    ReadoutField field;
    std::string value;
};

// Every setting whose value the device shows otherwise than sent (SameSetting);
// a setting the device did not show counts as shown empty.
std::vector<Difference> Differences(const std::vector<SentSetting>& sent, const Values& shown);

// A set- command's verdict from what the device shows afterwards. set-limit reads
// the settings record, set-clock too (a clock off by more than the seconds since
// sentAt fails it; a right one may have been right before, so the replies judge),
// set-address server the server record, each once more when unanswered: shown as
// sent is "ok", otherwise "failed" with the differences. Unread, or for writes the
// device cannot report, outcome keeps the replies' verdict, "unconfirmed" when
// replies were missing rather than refused.
void JudgeByReadBack(TFKelvraDM& dm, const Command& command, const WriteOutcome& written,
                     TimePoint sentAt, DeviceOutcome& outcome);

} // namespace kelvra::cli
