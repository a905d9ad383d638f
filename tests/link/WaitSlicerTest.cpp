#include "link/WaitSlicer.h"

#include "link/LinkFixture.h"

#include <algorithm>

namespace kelvra::test {
namespace {

// A listener whose every turn lasts turnMs of virtual time.
struct SlowTurns : WaitListener {
    SlowTurns(ManualClock& c, long long ms) : clock(c), turnMs(ms) {}
    void duringWait() override {
        times.push_back(clock.elapsedMs());
        clock.advance(turnMs);
    }
    ManualClock& clock;
    long long turnMs;
    std::vector<long long> times;
};

struct SlicedWait : NamedRow {
    int replyAtMs; // -1: no reply
    long long turnMs;
    const char* reply;
    long long elapsedMs;
    std::size_t turns;
};

// A 2000 ms reply wait: slices of 10 ms, a turn after each but the last, and one
// last look once a turn has run past the deadline.
const SlicedWait kWaits[] = {
    {{"reply in time"}, 40, 0, "OK", 40, 3},
    {{"silence costs the whole wait"}, -1, 0, "", 2000, 199},
    {{"turn past the deadline still finds the reply"}, 30, 2500, "OK", 2510, 1},
    {{"turn past the deadline without reply"}, -1, 2500, "", 2510, 1},
    {{"a turn delays a reply"}, 12, 15, "OK", 25, 1},
};

class WaitSlicerTest : public LinkTest, public ::testing::WithParamInterface<SlicedWait> {};

TEST_P(WaitSlicerTest, WaitsInSlicesAndTakesALastLook) {
    const SlicedWait& row = GetParam();
    SlowTurns turns(clock, row.turnMs);
    WaitSlicer waits(endpoint, clock, &turns);
    endpoint.setHost("192.168.1.200");
    endpoint.queue(row.replyAtMs < 0 ? Reply::silence() : Reply::answer("OK", row.replyAtMs));
    endpoint.send("COK");
    clock.resetElapsed();
    EXPECT_EQ(waits.receive(2000), row.reply);
    EXPECT_EQ(clock.elapsedMs(), row.elapsedMs);
    EXPECT_EQ(turns.times.size(), row.turns);
}

INSTANTIATE_TEST_SUITE_P(Rows, WaitSlicerTest, ::testing::ValuesIn(kWaits), RowName{});

// Pauses keep their length with quick turns, never more than two slices apart,
// and end at the deadline when a turn outlasts it.
TEST(WaitSlicerPause, KeepsThePacingAndEndsAtTheDeadline) {
    ManualClock clock;
    ScriptedEndpoint endpoint(clock);
    for (const long long turnMs : {0LL, 400LL}) {
        SlowTurns turns(clock, turnMs);
        WaitSlicer waits(endpoint, clock, &turns);
        clock.resetElapsed();
        waits.pause(300);
        EXPECT_EQ(clock.elapsedMs(), turnMs == 0 ? 300 : 410);
        turns.times.push_back(clock.elapsedMs());
        for (std::size_t i = 1; turnMs == 0 && i < turns.times.size(); ++i) {
            EXPECT_LE(turns.times[i] - turns.times[i - 1], 2 * kWaitSliceMs);
        }
    }
}

} // namespace
} // namespace kelvra::test
