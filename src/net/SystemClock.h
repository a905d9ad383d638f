#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra::net {

// The PC clock, in the locale's own time and date formats.
class SystemClock : public Clock {
public:
    // Who gets a turn during pauses; none by default.
    void setWaitListener(WaitListener* listener) { listener_ = listener; }

    TimePoint now() const override;
    void pause(int ms) override;
    std::string longTimeText(TimePoint t) const override;
    std::string shortDateText(TimePoint t) const override;
    CalendarTime localTime(TimePoint t) const override;

private:
    WaitListener* listener_ = nullptr;
};

} // namespace kelvra::net
