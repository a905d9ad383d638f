#include "support/ManualClock.h"

#include <cstdio>
#include <ctime>

namespace kelvra::test {

CalendarTime ManualClock::localTime(TimePoint t) const {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm p{};
#ifdef _WIN32
    gmtime_s(&p, &seconds);
#else
    gmtime_r(&seconds, &p);
#endif
    return {p.tm_year + 1900, p.tm_mon + 1, p.tm_mday, p.tm_wday == 0 ? 7 : p.tm_wday,
            p.tm_hour,        p.tm_min,     p.tm_sec};
}

std::string ManualClock::longTimeText(TimePoint t) const {
    const CalendarTime c = localTime(t);
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.hour, c.minute, c.second);
    return text;
}

std::string ManualClock::shortDateText(TimePoint t) const {
    const CalendarTime c = localTime(t);
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", c.day, c.month, c.year);
    return text;
}

} // namespace kelvra::test
