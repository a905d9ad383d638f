#pragma once

#include <string>
#include <vector>

namespace kelvra::e2e {

// Moves this process (and the simulators it starts) into a network namespace of
// its own with only loopback up, so nothing a test sends can leave the machine.
// Needs CAP_SYS_ADMIN; false, and nothing changed, without it.
bool EnterPrivateNetwork();

// True when no interface but loopback is up, so that look-ups and probes beyond
// loopback reach no one: what the private network gives.
bool OnlyLoopbackIsUp();

// Runs the ip tool with these arguments; true when it succeeded. Only for use
// inside a private network.
bool RunIp(const std::vector<std::string>& arguments);

} // namespace kelvra::e2e

// Skips the running test unless nothing it sends can leave the machine.
#define KELVRA_REQUIRE_PRIVATE_NETWORK()                                                           \
    do {                                                                                           \
        if (!::kelvra::e2e::OnlyLoopbackIsUp()) {                                                  \
            GTEST_SKIP() << "needs a private network namespace (run as root)";                     \
        }                                                                                          \
    } while (false)
