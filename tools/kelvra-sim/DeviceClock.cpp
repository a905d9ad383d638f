#include "kelvra-sim/DeviceClock.h"

#include <algorithm>
#include <ctime>

namespace kelvra::sim {

namespace {

using namespace std::chrono;

constexpr long long kSecondsPerDay = 24 * 60 * 60;

sys_seconds AsOneTime(const ClockFields& f) {
    const sys_days firstOfMonth =
        sys_days(year(f.year) / month(static_cast<unsigned>(f.month)) / day(1));
    return firstOfMonth + days(f.day - 1) + hours(f.hour) + minutes(f.minute) + seconds(f.second);
}

ClockFields FieldsOf(sys_seconds t) {
    const sys_days date = floor<days>(t);
    const year_month_day ymd(date);
    const long long ofDay = (t - date).count();
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(ofDay / 3600),
            static_cast<int>(ofDay / 60 % 60),
            static_cast<int>(ofDay % 60)};
}

ClockFields LocalFields(HostTime t) {
    const std::time_t seconds = system_clock::to_time_t(t);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &seconds);
#else
    localtime_r(&seconds, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

} // namespace

DeviceClock::DeviceClock(HostTime hostNow)
    : held_(LocalFields(hostNow)), heldAt_(floor<seconds>(hostNow)) {}

seconds DeviceClock::sinceSet(HostTime hostNow) const {
    // A PC clock put back stops the device clock rather than running it backwards.
    return std::max(seconds(0), floor<seconds>(hostNow - heldAt_));
}

ClockFields DeviceClock::at(HostTime hostNow) const {
    return FieldsOf(AsOneTime(held_) + sinceSet(hostNow));
}

void DeviceClock::set(int ClockFields::*field, int value, HostTime hostNow) {
    const seconds elapsed = sinceSet(hostNow);
    const long long ofDay =
        held_.hour * 3600LL + held_.minute * 60LL + held_.second + elapsed.count();
    if (ofDay < kSecondsPerDay) {
        held_.hour = static_cast<int>(ofDay / 3600);
        held_.minute = static_cast<int>(ofDay / 60 % 60);
        held_.second = static_cast<int>(ofDay % 60);
    } else {
        held_ = FieldsOf(AsOneTime(held_) + elapsed);
    }
    // A write restarts the second, as a clock chip's divider does.
    heldAt_ = hostNow;
    held_.*field = value;
}

} // namespace kelvra::sim
