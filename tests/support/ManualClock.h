#pragma once

#include "link/Ports.h"

#include <string>

namespace kelvra::test {

// Virtual time: pause() and the fake endpoint's waits move it, nothing else does.
// Texts are formatted in UTC as "HH:MM:SS" and "DD.MM.YYYY" so tests can spell them.
class ManualClock : public Clock {
public:
    // 2026-12-09 09:00:00 UTC, a Wednesday.
    explicit ManualClock(long long startEpochMs = 1796806800000LL) : nowMs_(startEpochMs) {}

    TimePoint now() const override { return TimePoint(std::chrono::milliseconds(nowMs_)); }
    void pause(int ms) override { advance(ms); }
    long long steadyMs() const override { return nowMs_; }
    std::string longTimeText(TimePoint t) const override;
    std::string shortDateText(TimePoint t) const override;
    CalendarTime localTime(TimePoint t) const override;

    void advance(long long ms) { nowMs_ += ms > 0 ? ms : 0; }
    // Milliseconds since the clock was made or since the last resetElapsed().
    long long elapsedMs() const { return nowMs_ - markMs_; }
    void resetElapsed() { markMs_ = nowMs_; }
    long long epochMs() const { return nowMs_; }

private:
    long long nowMs_;
    long long markMs_ = nowMs_;
};

} // namespace kelvra::test
