// The window during a device operation. The operation runs on the window thread to
// its end; its waits give the window turns in which it paints and answers the
// desktop, while everything that would have waited for a blocked window still waits
// (the gate keeps it).

#include "ui/Main.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace kelvra {

void TfrmMain::duringWait() {
    // Clicks and keys stay queued for the event loop after the operation; paint,
    // expose, resize, timers and the desktop's requests are handled now.
    gate_.duringWait([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // The window closes when the operation ends instead.
    if (gate_.deferClose([this] { close(); })) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace kelvra
