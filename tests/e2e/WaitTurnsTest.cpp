// The real clock's pauses and the real endpoint's reply wait give the window its
// turns, and still wait as long as they did.

#include "e2e/support/SimProcess.h"
#include "net/SystemClock.h"
#include "net/UdpEndpoint.h"

#include <chrono>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace kelvra::e2e {
namespace {

using namespace kelvra::net;

struct CountingListener : WaitListener {
    void duringWait() override { ++turns; }
    int turns = 0;
};

struct Rig {
    CountingListener listener;
    SystemClock clock;
    UdpEndpoint endpoint;
};

// One wait: the simulator's switches, what waits, and what it must return.
struct Wait {
    const char* name;
    std::vector<std::string> simSwitches;
    std::string (*run)(Rig&, int port);
    const char* result;
};

const Wait kWaits[] = {
    {"pause",
     {},
     [](Rig& rig, int) {
         rig.clock.pause(200);
         return std::string("paused");
     },
     "paused"},
    {"silent device",
     {"--silent"},
     [](Rig& rig, int port) {
         rig.endpoint.setPort(port);
         rig.endpoint.send("COK");
         return rig.endpoint.receive(200);
     },
     ""},
    {"late reply",
     {"--late-ms", "150"},
     [](Rig& rig, int port) {
         rig.endpoint.setPort(port);
         rig.endpoint.send("COK");
         return rig.endpoint.receive(2000);
     },
     "OK"},
    {"nothing sent yet",
     {},
     [](Rig& rig, int) {
         rig.endpoint.open();
         return rig.endpoint.receive(200);
     },
     ""},
};

void PrintTo(const Wait& wait, std::ostream* out) {
    *out << wait.name;
}

class WaitTurns : public ::testing::TestWithParam<Wait> {};

TEST_P(WaitTurns, GiveTheListenerTurnsAndKeepTheirLength) {
    const Wait& wait = GetParam();
    SimProcess sim(wait.simSwitches);
    Rig rig;
    rig.clock.setWaitListener(&rig.listener);
    rig.endpoint.setWaitListener(&rig.listener);
    rig.endpoint.setHost("127.0.0.1");

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(wait.run(rig, sim.port()), wait.result);
    const auto waited = std::chrono::steady_clock::now() - start;

    EXPECT_GT(rig.listener.turns, 0);
    // The turns do not shorten a wait that runs to its end.
    if (std::string(wait.result) != "OK") {
        EXPECT_GE(waited, std::chrono::milliseconds(200));
    }
}

INSTANTIATE_TEST_SUITE_P(Waits, WaitTurns, ::testing::ValuesIn(kWaits),
                         [](const ::testing::TestParamInfo<Wait>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = c == ' ' ? '_' : c;
                             }
                             return name;
                         });

} // namespace
} // namespace kelvra::e2e
