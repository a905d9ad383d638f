#include "ReadoutTest.h"
#include "UiSuites.h"

#include <QApplication>
#include <QtTest>

namespace {

std::unique_ptr<QObject> MakeReadoutTest() {
    return std::make_unique<ReadoutTest>();
}

} // namespace

int main(int argc, char* argv[]) {
    // Runs without a display also when started by hand.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // "Kapat" closes windows; the test run must go on.
    QApplication::setQuitOnLastWindowClosed(false);

    int failed = 0;
    for (auto make :
         {kelvra::uitest::MakeCaptionedFieldTest, kelvra::uitest::MakeMainWindowLayoutTest,
          kelvra::uitest::MakeMainWindowHandlersTest, MakeReadoutTest}) {
        const std::unique_ptr<QObject> suite = make();
        failed += QTest::qExec(suite.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
