#include "link/WaitSlicer.h"

#include "link/LinkFixture.h"

namespace kelvra::test {
namespace {

// A listener whose every turn lasts turnMs of virtual time.
struct SlowTurns : WaitListener {
    SlowTurns(ManualClock& c, long long ms) : clock(c), turnMs(ms) {}
    void duringWait() override {
        ++turns;
        clock.advance(turnMs);
    }
    ManualClock& clock;
    long long turnMs;
    std::size_t turns = 0;
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
    {{"reply_in_time"}, 40, 0, "OK", 40, 3},
    {{"silence_costs_the_whole_wait"}, -1, 0, "", 2000, 199},
    {{"a_turn_delays_a_reply"}, 12, 15, "OK", 25, 1},
    {{"turn_past_the_deadline_still_finds_the_reply"}, 30, 2500, "OK", 2510, 1},
    {{"turn_past_the_deadline_without_reply"}, -1, 2500, "", 2510, 1},
};

class WaitSlicerTest : public LinkTest, public ::testing::WithParamInterface<SlicedWait> {};

TEST_P(WaitSlicerTest, WaitsInSlicesAndTakesALastLook) {
    const SlicedWait& row = GetParam();
    SlowTurns listener(clock, row.turnMs);
    WaitSlicer waits(endpoint, clock, &listener);
    endpoint.setHost("192.168.1.200");
    endpoint.queue(row.replyAtMs < 0 ? Reply::silence() : Reply::answer("OK", row.replyAtMs));
    endpoint.send("COK");
    clock.resetElapsed();
    EXPECT_EQ(waits.receive(2000), row.reply);
    EXPECT_EQ(clock.elapsedMs(), row.elapsedMs);
    EXPECT_EQ(listener.turns, row.turns);
}

INSTANTIATE_TEST_SUITE_P(Rows, WaitSlicerTest, ::testing::ValuesIn(kWaits), RowName{});

// A pause keeps its length with quick turns and ends at the deadline after a slow one.
TEST_F(LinkTest, SlicedPauseKeepsThePacing) {
    for (const auto& [turnMs, elapsedMs, turns] :
         {std::tuple{0LL, 300LL, 29U}, {400LL, 410LL, 1U}}) {
        SlowTurns listener(clock, turnMs);
        clock.resetElapsed();
        WaitSlicer(endpoint, clock, &listener).pause(300);
        EXPECT_EQ(clock.elapsedMs(), elapsedMs);
        EXPECT_EQ(listener.turns, turns);
    }
}

} // namespace
} // namespace kelvra::test
