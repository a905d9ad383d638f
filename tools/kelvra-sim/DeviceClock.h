#pragma once

// The simulated data logger's calendar clock.

#include <chrono>

namespace kelvra::sim {

using HostTime = std::chrono::system_clock::time_point;

// A date and time as the device shows it; year in full, month and day from 1.
struct ClockFields {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The clock keeps its fields as they were set and runs on from there. The fields
// make one date together: a day past the end of the present month is kept as sent
// until the month that follows it, as a clock set field by field needs.
class DeviceClock {
public:
    // Starts at the PC's local time.
    explicit DeviceClock(HostTime hostNow);

    // What the clock shows at hostNow; a day beyond its month shows as the days
    // into the next one.
    ClockFields at(HostTime hostNow) const;
    // One field set as sent, right as of hostNow. The time of day runs on to
    // hostNow first; the date fields move only when a midnight passed meanwhile.
    void set(int ClockFields::*field, int value, HostTime hostNow);

private:
    std::chrono::seconds sinceSet(HostTime hostNow) const;

    ClockFields held_;
    HostTime heldAt_; // when held_ was the right time
};

} // namespace kelvra::sim
