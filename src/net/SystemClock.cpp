#include "net/SystemClock.h"

#include "net/SlicedWait.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <thread>

namespace kelvra::net {

namespace {

std::tm LocalParts(TimePoint t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &seconds);
#else
    localtime_r(&seconds, &parts);
#endif
    return parts;
}

std::string Formatted(TimePoint t, const char* format) {
    const std::tm parts = LocalParts(t);
    std::array<char, 128> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), format, &parts);
    return std::string(text.data(), length);
}

} // namespace

TimePoint SystemClock::now() const {
    return std::chrono::system_clock::now();
}

void SystemClock::pause(int ms) {
    const Deadline deadline = DeadlineIn(ms);
    WaitInSlices(deadline, listener_, [deadline](int sliceMs) {
        std::this_thread::sleep_until(std::min(deadline, std::chrono::steady_clock::now() +
                                                             std::chrono::milliseconds(sliceMs)));
        return false;
    });
}

std::string SystemClock::longTimeText(TimePoint t) const {
    return Formatted(t, "%X");
}

std::string SystemClock::shortDateText(TimePoint t) const {
    return Formatted(t, "%x");
}

CalendarTime SystemClock::localTime(TimePoint t) const {
    const std::tm parts = LocalParts(t);
    CalendarTime calendar;
    calendar.year = parts.tm_year + 1900;
    calendar.month = parts.tm_mon + 1;
    calendar.day = parts.tm_mday;
    calendar.weekday = parts.tm_wday == 0 ? 7 : parts.tm_wday; // Monday 1 .. Sunday 7
    calendar.hour = parts.tm_hour;
    calendar.minute = parts.tm_min;
    calendar.second = parts.tm_sec;
    return calendar;
}

} // namespace kelvra::net
