#include "e2e/support/PrivateNetwork.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Into the private network before any socket exists, as the other e2e suite does.
    if (!kelvra::e2e::EnterPrivateNetwork()) {
        std::fprintf(stderr, "e2e: no private network namespace; loopback only\n");
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
