#pragma once

#include "link/KelvraDM.h"
#include "support/FakeConsole.h"
#include "support/ManualClock.h"
#include "support/ScriptedEndpoint.h"
#include "ui/Dialogs.h"
#include "ui/Main.h"

#include <QString>
#include <QWidget>
#include <QtTest>
#include <vector>

namespace kelvra::uitest {

// Message boxes as records; whether the wait cursor was still up when each opened.
class RecordingDialogs : public Dialogs {
public:
    struct Box {
        QString title;
        QString text;
        bool waitCursorShown = false;
    };

    void information(QWidget*, const QString& title, const QString& text) override {
        information_.push_back(record(title, text));
    }
    void stop(QWidget*, const QString& title, const QString& text) override {
        stops_.push_back(record(title, text));
    }

    const std::vector<Box>& informations() const { return information_; }
    const std::vector<Box>& stops() const { return stops_; }

private:
    static Box record(const QString& title, const QString& text);

    std::vector<Box> information_;
    std::vector<Box> stops_;
};

// The window wired to the fakes as main() wires it to the real ports.
struct WindowRig {
    WindowRig() { window.attachDataModule(dm); }

    // Shown, so that Qt has delivered every move and resize and run the layouts.
    void show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    testing::ManualClock clock;
    testing::ScriptedEndpoint endpoint{clock};
    testing::FakeHostNetwork network;
    RecordingDialogs dialogs;
    TfrmMain window{dialogs};
    TFKelvraDM dm{endpoint, clock, window, network};
};

inline QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The log's lines as texts.
QStringList LogLines(const TfrmMain& window);

} // namespace kelvra::uitest
