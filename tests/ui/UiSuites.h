#pragma once

#include <QObject>
#include <memory>

namespace kelvra::uitest {

// One QtTest object per file; main() runs them one after the other.
std::unique_ptr<QObject> MakeCaptionedFieldTest();
std::unique_ptr<QObject> MakeMainWindowLayoutTest();
std::unique_ptr<QObject> MakeMainWindowHandlersTest();
std::unique_ptr<QObject> MakeReadoutTest();
std::unique_ptr<QObject> MakeOperationWaitsTest();
std::unique_ptr<QObject> MakeOperationGateTest();
std::unique_ptr<QObject> MakeWindowBehavioursTest();

} // namespace kelvra::uitest
