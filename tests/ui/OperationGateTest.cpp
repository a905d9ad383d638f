// The operation gate alone, driven by plain functions: what runs at once and what
// the gate posts for after the operation.

#include "ui/OperationGate.h"

#include "ui/UiSuites.h"
#include "ui/WindowRig.h"

#include <QtTest>

namespace kelvra::uitest {

namespace {

// Where the arrivals come (outside any operation, during one but outside its
// waits as from a message box's loop, or in a wait's turn) and what they are:
// w a window click or key, d a device operation, t a clock tick, c a close: each
// lands in ranNow or in posted; n another wait's turn, in posted when it ran.
struct GateCase {
    const char* name;
    const char* where; // "idle", "operation", "wait"
    const char* arrivals;
    const char* ranNow;
    const char* posted;
};

const GateCase kGateCases[] = {
    {"start when idle", "idle", "dwtc", "dwtc", ""},
    {"nested start waits", "operation", "d", "", "d"},
    {"key and click wait, in order", "wait", "wdw", "", "wdw"},
    {"close waits for the input before it", "wait", "cw", "", "wc"},
    {"ticks of a wait catch up as one, first", "wait", "dtt", "", "td"},
    {"tick outside a wait runs", "operation", "t", "t", ""},
    {"no turn inside a turn", "wait", "n", "", ""},
    {"no turn outside an operation", "idle", "n", "", ""},
};

HandlerKind KindOf(char letter) {
    return letter == 'd'   ? HandlerKind::Device
           : letter == 't' ? HandlerKind::Clock
                           : HandlerKind::Window;
}

} // namespace

class OperationGateTest : public QObject {
    Q_OBJECT

private slots:
    void keepsForLater_data() { AddRows(kGateCases); }
    void keepsForLater() {
        const GateCase& c = Row(kGateCases);
        std::vector<OperationGate::Action> queue;
        OperationGate gate([&](OperationGate::Action action) { queue.push_back(action); });
        QString ranNow;
        QString posted;
        const auto arrive = [&] {
            for (const char* at = c.arrivals; *at != '\0'; ++at) {
                const char letter = *at;
                const auto later = [&posted, letter] { posted += QLatin1Char(letter); };
                const bool kept = letter == 'c'   ? gate.deferClose(later)
                                  : letter == 'n' ? (gate.duringWait(later), true)
                                                  : gate.defer(KindOf(letter), later);
                if (!kept) {
                    ranNow += QLatin1Char(letter);
                }
            }
        };
        if (QString(c.where) == "idle") {
            arrive();
        } else {
            const OperationGate::Operation operation(gate);
            if (QString(c.where) == "wait") {
                gate.duringWait(arrive);
            } else {
                arrive();
            }
        }
        gate.catchUp();
        for (const OperationGate::Action& action : queue) {
            action();
        }
        QCOMPARE(ranNow, QString(c.ranNow));
        QCOMPARE(posted, QString(c.posted));
    }
};

std::unique_ptr<QObject> MakeOperationGateTest() {
    return std::make_unique<OperationGateTest>();
}

} // namespace kelvra::uitest

#include "OperationGateTest.moc"
