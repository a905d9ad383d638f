#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra::testing {

// Virtual time: pause() and the fake endpoint's waits move it, nothing else does.
// Texts are formatted in UTC as "HH:MM:SS" and "DD.MM.YYYY" so tests can spell them.
class ManualClock : public Clock {
public:
    // 2026-12-09 09:00:00 UTC, a Wednesday.
    static constexpr long long kStartEpochMs = 1796806800000LL;

    explicit ManualClock(long long startEpochMs = kStartEpochMs) : nowMs_(startEpochMs) {}

    TimePoint now() const override;
    void pause(int ms) override;
    std::string longTimeText(TimePoint t) const override;
    std::string shortDateText(TimePoint t) const override;
    CalendarTime localTime(TimePoint t) const override;

    void advance(long long ms);
    // Milliseconds since the clock was made or since the last resetElapsed().
    long long elapsedMs() const { return nowMs_ - markMs_; }
    void resetElapsed() { markMs_ = nowMs_; }
    long long epochMs() const { return nowMs_; }
    int pauses() const { return pauses_; }

private:
    long long nowMs_;
    long long markMs_ = nowMs_;
    int pauses_ = 0;
};

} // namespace kelvra::testing
