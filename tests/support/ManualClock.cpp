#include "ManualClock.h"

#include <cstdio>
#include <ctime>

namespace kelvra::testing {

namespace {

std::tm utcParts(TimePoint t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &seconds);
#else
    gmtime_r(&seconds, &parts);
#endif
    return parts;
}

} // namespace

TimePoint ManualClock::now() const {
    return TimePoint(std::chrono::milliseconds(nowMs_));
}

void ManualClock::pause(int ms) {
    ++pauses_;
    advance(ms);
}

void ManualClock::advance(long long ms) {
    if (ms > 0) {
        nowMs_ += ms;
    }
}

std::string ManualClock::longTimeText(TimePoint t) const {
    const std::tm parts = utcParts(t);
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

std::string ManualClock::shortDateText(TimePoint t) const {
    const std::tm parts = utcParts(t);
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", parts.tm_mday, parts.tm_mon + 1,
                  parts.tm_year + 1900);
    return text;
}

CalendarTime ManualClock::localTime(TimePoint t) const {
    const std::tm parts = utcParts(t);
    CalendarTime c;
    c.year = parts.tm_year + 1900;
    c.month = parts.tm_mon + 1;
    c.day = parts.tm_mday;
    c.weekday = parts.tm_wday == 0 ? 7 : parts.tm_wday;
    c.hour = parts.tm_hour;
    c.minute = parts.tm_min;
    c.second = parts.tm_sec;
    return c;
}

} // namespace kelvra::testing
