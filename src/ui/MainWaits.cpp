// The window during a device operation. The operation runs on the window thread to
// its end; its waits give the window turns in which it paints and answers the
// desktop, while everything that would have waited for a blocked window still waits.

#include "ui/Main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScopedValueRollback>
#include <utility>

namespace kelvra {

void TfrmMain::duringWait() {
    if (!operationRunning_ || insideWait_) {
        return;
    }
    const QScopedValueRollback<bool> inside(insideWait_, true);
    // Clicks and keys stay queued for the event loop after the operation; paint,
    // expose, resize, timers and the desktop's requests are handled now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TfrmMain::deferDuringOperation(const std::function<void()>& handler, HandlerKind kind) {
    if (kind == HandlerKind::Clock) {
        // Ticks due during a wait become one tick after the operation; a message
        // box's own loop delivers them as usual.
        tickMissed_ = insideWait_;
        return insideWait_;
    }
    if (!operationRunning_) {
        return false;
    }
    // A click that reached a button anyway (a posted event, an accessibility
    // action, a delayed mnemonic click): it runs after the operation.
    deferredHandlers_.push_back([this, handler, kind] { runGuarded(handler, kind); });
    return true;
}

void TfrmMain::catchUpAfterOperation() {
    if (std::exchange(tickMissed_, false)) {
        QMetaObject::invokeMethod(
            this, [this] { runGuarded([this] { Timer1Timer(); }, HandlerKind::Clock); },
            Qt::QueuedConnection);
    }
    for (std::function<void()>& handler : std::exchange(deferredHandlers_, {})) {
        QMetaObject::invokeMethod(this, std::move(handler), Qt::QueuedConnection);
    }
    if (std::exchange(closeRequested_, false)) {
        QMetaObject::invokeMethod(
            this, [this] { close(); }, Qt::QueuedConnection);
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (operationRunning_) {
        // Closing now would cut the device off mid-operation, an address perhaps
        // half written; the window closes when the operation ends instead.
        closeRequested_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace kelvra
