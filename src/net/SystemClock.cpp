#include "net/SystemClock.h"

#include "net/Deadline.h"

#include <array>
#include <ctime>
#include <thread>

#ifdef _WIN32
#include "net/WideText.h"

#include <windows.h>
#endif

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

#ifdef _WIN32

SYSTEMTIME SystemTimeOf(const std::tm& parts) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(parts.tm_year + 1900);
    time.wMonth = static_cast<WORD>(parts.tm_mon + 1);
    time.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
    time.wDay = static_cast<WORD>(parts.tm_mday);
    time.wHour = static_cast<WORD>(parts.tm_hour);
    time.wMinute = static_cast<WORD>(parts.tm_min);
    time.wSecond = static_cast<WORD>(parts.tm_sec);
    return time;
}

// The user's regional settings, not the C library's "C" locale defaults.
std::string LongTimeOf(const std::tm& parts) {
    const SYSTEMTIME time = SystemTimeOf(parts);
    std::array<wchar_t, 128> text{};
    const int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text.data(),
                                       static_cast<int>(text.size()));
    return length > 1 ? WideToUtf8(std::wstring_view(text.data(), length - 1)) : std::string();
}

std::string ShortDateOf(const std::tm& parts) {
    const SYSTEMTIME time = SystemTimeOf(parts);
    std::array<wchar_t, 128> text{};
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                       text.data(), static_cast<int>(text.size()), nullptr);
    return length > 1 ? WideToUtf8(std::wstring_view(text.data(), length - 1)) : std::string();
}

#else

std::string Formatted(const std::tm& parts, const char* format) {
    std::array<char, 128> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), format, &parts);
    return std::string(text.data(), length);
}

std::string LongTimeOf(const std::tm& parts) {
    return Formatted(parts, "%X");
}

std::string ShortDateOf(const std::tm& parts) {
    return Formatted(parts, "%x");
}

#endif

} // namespace

TimePoint SystemClock::now() const {
    return std::chrono::system_clock::now();
}

void SystemClock::pause(int ms) {
    std::this_thread::sleep_until(DeadlineIn(ms));
}

long long SystemClock::steadyMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string SystemClock::longTimeText(TimePoint t) const {
    return LongTimeOf(LocalParts(t));
}

std::string SystemClock::shortDateText(TimePoint t) const {
    return ShortDateOf(LocalParts(t));
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
