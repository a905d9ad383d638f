#include "ui/UiSuites.h"

#include <QApplication>
#include <QtTest>

int main(int argc, char* argv[]) {
    // Runs without a display also when started by hand.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // "Kapat" closes windows; the test run must go on.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace kelvra::uitest;
    int failed = 0;
    for (auto make : {MakeCaptionedFieldTest, MakeMainWindowLayoutTest, MakeMainWindowHandlersTest,
                      MakeReadoutTest, MakeOperationWaitsTest, MakeOperationGateTest,
                      MakeWindowBehavioursTest}) {
        failed += QTest::qExec(make().get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
