#include "ui/WindowRig.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace kelvra::uitest {

RecordingDialogs::Box RecordingDialogs::record(const QString& title, const QString& text) {
    const QCursor* cursor = QApplication::overrideCursor();
    return {title, text, cursor != nullptr && cursor->shape() == Qt::WaitCursor};
}

QStringList RecordingDialogs::stopTexts() const {
    QStringList texts;
    for (const Box& box : stops) {
        texts << box.text;
    }
    return texts;
}

QStringList LogLines(const TfrmMain& window) {
    const QString text = window.mmo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList LogLinesWithoutTime(const TfrmMain& window) {
    QStringList lines = LogLines(window);
    for (QString& line : lines) {
        line = line.mid(8);
    }
    return lines;
}

} // namespace kelvra::uitest
