#pragma once

#include "link/Ports.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvra {

// One value of the device clock: its set command, the value text and the caption
// of its log line.
struct ClockSetting {
    std::string_view command;
    std::string value;
    std::string_view caption;
};

inline constexpr std::size_t kClockSettingCount = 7;

// The seven settings of one reading of the PC clock, in the order they are sent:
// day, month, year (two digits), weekday (Monday 1 to Sunday 7), hour, minute and
// second, plain decimal without leading zeros but for the year.
std::array<ClockSetting, kClockSettingCount> ClockSettings(const CalendarTime& time);

// The batch's name in its result box: "Tarih: " + date + "Saat: " + time.
std::string ClockSummary(std::string_view shortDate, std::string_view longTime);

} // namespace kelvra
