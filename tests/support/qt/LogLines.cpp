#include "support/qt/LogLines.h"

#include <QPlainTextEdit>

namespace kelvra::test {

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

} // namespace kelvra::test
