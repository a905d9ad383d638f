#include "e2e/support/PrivateNetwork.h"

#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Before anything opens a socket or starts a thread, so that all of it, and
    // every simulator started later, lives in the private network.
    if (!kelvra::e2e::EnterPrivateNetwork()) {
        std::fprintf(stderr, "e2e: no private network namespace; tests that could reach "
                             "beyond loopback are skipped\n");
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
