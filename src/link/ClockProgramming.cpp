#include "link/ClockSettings.h"
#include "link/KelvraDM.h"

namespace kelvra {

// Sets the device clock from one reading of the PC clock, so a press just before
// midnight cannot send one day's date with the next day's time.
WriteOutcome TFKelvraDM::SetDeviceClock() {
    const TimePoint now = clock_.now();
    const auto settings = ClockSettings(clock_.localTime(now));
    const std::string summary = ClockSummary(clock_.shortDateText(now), clock_.longTimeText(now));

    // The batch is judged on its own replies, not on a tally an earlier operation left.
    StartTally();
    for (const ClockSetting& setting : settings) {
        SetDeviceValue(std::string(setting.command), setting.value, std::string(setting.caption));
    }
    return ShowSetResult(summary, " ");
}

} // namespace kelvra
