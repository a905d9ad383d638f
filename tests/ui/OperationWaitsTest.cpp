// The window while a device operation waits, in virtual time: it paints, keeps the
// operator's input and the clock for afterwards, and closes only once it is done.

#include "support/FakeDevice.h"
#include "support/qt/PaintWatch.h"
#include "ui/UiSuites.h"
#include "ui/WindowRig.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

namespace kelvra::uitest {

namespace {

using test::PaintWatch;
using test::WaitCursorShown;

void PostClick(QWidget* button) {
    const QPointF centre = QRectF(button->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            button,
            new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    }
}

template <Qt::Key key, Qt::KeyboardModifier modifier = Qt::NoModifier>
void PostKey(QWidget* button) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QCoreApplication::postEvent(button, new QKeyEvent(type, key, modifier));
    }
}

// Input that reaches a button while "Bilgileri Al" waits, the button, and how many
// datagrams its handler sends.
struct QueuedInput {
    const char* name;
    void (*post)(QWidget*);
    QToolButton* TfrmMain::*button;
    std::size_t sends;
};

const QueuedInput kQueuedInputs[] = {
    {"click on Bağlan", PostClick, &TfrmMain::btnBaglan, 1},
    {"space key on Bağlan", PostKey<Qt::Key_Space>, &TfrmMain::btnBaglan, 1},
    {"enter key on Bağlan", PostKey<Qt::Key_Return>, &TfrmMain::btnBaglan, 1},
    {"keypad enter key on Bağlan", PostKey<Qt::Key_Enter, Qt::KeypadModifier>, &TfrmMain::btnBaglan,
     1},
    {"click on Bilgileri Al", PostClick, &TfrmMain::btnBilgileriAl, kReadoutDatagramCount},
};

} // namespace

class OperationWaitsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        rig_ = std::make_unique<WindowRig>();
        rig_->endpoint.setResponder(test::FakeDevice::answeringReadout().responder());
        rig_->show();
    }
    void cleanup() { rig_.reset(); }

    // Each line is painted while the readout goes on, under the wait cursor.
    void logPaintsWhileTheOperationRuns() {
        TfrmMain& w = rig_->window;
        bool running = false;
        int paintedLines = 0;
        bool cursorLeft = false;
        const PaintWatch watch(w.mmo->viewport(), [&] {
            if (running) {
                paintedLines = static_cast<int>(LogLines(w).size());
                cursorLeft = cursorLeft || !WaitCursorShown();
            }
        });
        running = true;
        w.btnBilgileriAl->click();
        running = false;

        // Only the last line comes with the end of the operation.
        QCOMPARE(paintedLines, static_cast<int>(LogLines(w).size()) - 1);
        QVERIFY(!cursorLeft);
    }

    void queuedInputWaitsForTheOperation_data() { AddRows(kQueuedInputs); }
    void queuedInputWaitsForTheOperation() {
        const QueuedInput& input = Row(kQueuedInputs);
        TfrmMain& w = rig_->window;
        onEachSend([&](const std::string& datagram) {
            if (datagram == "CAS" && rig_->endpoint.sent().size() == 2) {
                input.post(w.*input.button);
            }
        });
        w.btnBilgileriAl->click();

        // The readout ran to its end without a second operation inside it.
        QCOMPARE(rig_->endpoint.sent().size(), test::kReadoutDatagrams.size());
        QCOMPARE(LogLines(w).size(), test::kReadoutLogLines);
        // Then the queued press has its turn, once.
        QTRY_VERIFY(rig_->endpoint.sent().size() > test::kReadoutDatagrams.size());
        QTest::qWait(50);
        QCOMPARE(rig_->endpoint.sent().size(), test::kReadoutDatagrams.size() + input.sends);
        QCOMPARE(rig_->endpoint.sentTexts().at(test::kReadoutDatagrams.size()), std::string("COK"));
        QVERIFY(rig_->dialogs.stops.empty());
    }

    // The clock stands still during the operation and catches up with one tick.
    void oneClockTickAfterTheOperation() {
        TfrmMain& w = rig_->window;
        const QDateTime stale(QDate(2001, 1, 1), QTime(0, 0));
        w.deTarihSaat->setDateTime(stale);
        int ticks = 0;
        connect(w.deTarihSaat, &QDateTimeEdit::dateTimeChanged, this, [&] {
            ++ticks;
            const QSignalBlocker quiet(w.deTarihSaat);
            w.deTarihSaat->setDateTime(stale);
        });
        // Ticks fall due at every wait's turn.
        w.Timer1->start(1);
        onEachSend([](const std::string&) { QTest::qSleep(2); });
        w.btnBilgileriAl->click();
        QCOMPARE(ticks, 0);

        w.Timer1->start(3600 * 1000);
        QTest::qWait(20);
        QCOMPARE(ticks, 1);
    }

    // The desktop's close request during an operation closes the window after it.
    void closeWaitsForTheOperation() {
        TfrmMain& w = rig_->window;
        bool visibleAfterRequest = false;
        onEachSend([&](const std::string& datagram) {
            if (datagram == "CAS") {
                QCoreApplication::postEvent(w.windowHandle(), new QCloseEvent);
            }
            visibleAfterRequest = w.isVisible();
        });
        w.btnBilgileriAl->click();

        QVERIFY(visibleAfterRequest);
        QCOMPARE(rig_->endpoint.sent().size(), test::kReadoutDatagrams.size());
        QTRY_VERIFY(!w.isVisible());
    }

private:
    // Runs atSend(datagram) as each datagram goes out, inside the operation.
    void onEachSend(std::function<void(const std::string&)> atSend) {
        rig_->endpoint.setResponder(
            [atSend, device = test::FakeDevice::answeringReadout().responder()](
                const std::string& datagram) {
                atSend(datagram);
                return device(datagram);
            });
    }

    std::unique_ptr<WindowRig> rig_;
};

std::unique_ptr<QObject> MakeOperationWaitsTest() {
    return std::make_unique<OperationWaitsTest>();
}

} // namespace kelvra::uitest

#include "OperationWaitsTest.moc"
