#include "link/ClockSettings.h"

#include "link/Protocol.h"

namespace kelvra {

namespace {

// The last two digits of the year, "05" for 2005.
std::string TwoDigitYear(int year) {
    const int lastTwo = ((year % 100) + 100) % 100;
    return (lastTwo < 10 ? "0" : "") + std::to_string(lastTwo);
}

} // namespace

std::array<ClockSetting, kClockSettingCount> ClockSettings(const CalendarTime& time) {
    using namespace protocol;
    return {{
        {kSetDay, std::to_string(time.day), " Gün "},
        {kSetMonth, std::to_string(time.month), " Ay "},
        {kSetYear, TwoDigitYear(time.year), " Yıl "},
        {kSetWeekday, std::to_string(time.weekday), " Haftanın "},
        {kSetHour, std::to_string(time.hour), " Saat "},
        {kSetMinute, std::to_string(time.minute), " Dakika "},
        {kSetSecond, std::to_string(time.second), " Saniye "},
    }};
}

std::string ClockSummary(std::string_view shortDate, std::string_view longTime) {
    return "Tarih: " + std::string(shortDate) + "Saat: " + std::string(longTime);
}

} // namespace kelvra
