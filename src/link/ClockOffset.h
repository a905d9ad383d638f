#pragma once

#include "link/Ports.h"

#include <optional>
#include <string_view>

namespace kelvra {

// How far the device's clock is ahead of the PC's (behind when negative), in whole
// seconds: the device's time "H:M:S" and date "D.M.YYYY" or "D.M.YY" (from 2000 on),
// as the settings record carries them, against the PC's local time of the same
// moment. Both are wall-clock times of the same zone, so no zone enters. Empty when
// either text is not such a time or date.
std::optional<long long> ClockOffsetSeconds(std::string_view deviceTime,
                                            std::string_view deviceDate,
                                            const CalendarTime& pcTime);

} // namespace kelvra
