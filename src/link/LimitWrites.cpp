#include "link/DeviceMessages.h"
#include "link/KelvraDM.h"

namespace kelvra {

WriteOutcome TFKelvraDM::SendLimits(const std::vector<LimitSetting>& limits) {
    std::vector<std::string> messages;
    for (const LimitSetting& limit : limits) {
        messages.push_back(LimitMessage(limit.command, limit.valueText));
    }
    // Each limit goes out whatever became of the one before, as the buttons send them.
    WriteOutcome outcome{true, {}};
    bool refused = false;
    for (std::size_t i = 0; i < limits.size(); ++i) {
        const std::string reply = SendLimit(limits[i].command, limits[i].valueText);
        outcome.set = outcome.set && ContainsOK(reply);
        outcome.unanswered = outcome.unanswered || reply.empty();
        refused = refused || (!reply.empty() && !ContainsOK(reply));
        outcome.text += (i == 0 ? "" : ", ") + messages[i] + " = " + RemoveCrLf(reply);
    }
    outcome.unanswered = outcome.unanswered && !refused;
    return outcome;
}

WriteOutcome TFKelvraDM::SetLimitPair(const Quantity& quantity, const std::string& highText,
                                      const std::string& lowText) {
    return SendLimits(
        {{std::string(quantity.high), highText}, {std::string(quantity.low), lowText}});
}

WriteOutcome TFKelvraDM::SetCalibration(const std::string& valueText) {
    // Both calibration boxes send this one command; the sign is the value's own.
    return SendLimits({{std::string(protocol::kCalibration), valueText}});
}

} // namespace kelvra
