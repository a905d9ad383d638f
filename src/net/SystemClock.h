#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra::net {

// The PC clock, in the locale's own time and date formats.
class SystemClock : public Clock {
public:
    TimePoint now() const override;
    void pause(int ms) override;
    long long steadyMs() const override;
    std::string longTimeText(TimePoint t) const override;
    std::string shortDateText(TimePoint t) const override;
    CalendarTime localTime(TimePoint t) const override;
};

} // namespace kelvra::net
