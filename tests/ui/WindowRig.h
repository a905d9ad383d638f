#pragma once

#include "link/KelvraDM.h"
#include "support/FakeConsole.h"
#include "support/FakeHostNetwork.h"
#include "support/ManualClock.h"
#include "support/ScriptedEndpoint.h"
#include "support/qt/RecordingDialogs.h"
#include "support/qt/WindowTexts.h"
#include "ui/Main.h"

#include <QtTest>
#include <vector>

namespace kelvra::uitest {

using test::LogLines;
using test::LogLinesWithoutTime;
using test::RecordingDialogs;

// The window wired to the fakes as main() wires it to the real ports.
struct WindowRig {
    WindowRig() { window.attachDataModule(dm); }

    // Shown, so that Qt has delivered every move and resize and run the layouts.
    void show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    test::ManualClock clock;
    test::ScriptedEndpoint endpoint{clock};
    test::FakeHostNetwork network;
    RecordingDialogs dialogs;
    TfrmMain window{dialogs};
    TFKelvraDM dm{endpoint, clock, window, network, &window};
};

inline QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// One data row per entry of a table, named by the entry's name; a test reads its
// entry back with Row(table).
template <class Entry, std::size_t N> void AddRows(const Entry (&table)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) {
        QTest::newRow(table[i].name) << static_cast<int>(i);
    }
}
template <class Entry, std::size_t N> const Entry& Row(const Entry (&table)[N]) {
    return table[*static_cast<const int*>(QTest::qData("row", qMetaTypeId<int>()))];
}

} // namespace kelvra::uitest
