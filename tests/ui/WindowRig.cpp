#include "WindowRig.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace kelvra::uitest {

RecordingDialogs::Box RecordingDialogs::record(const QString& title, const QString& text) {
    const QCursor* cursor = QApplication::overrideCursor();
    return {title, text, cursor != nullptr && cursor->shape() == Qt::WaitCursor};
}

QStringList LogLines(const TfrmMain& window) {
    const QString text = window.mmo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace kelvra::uitest
