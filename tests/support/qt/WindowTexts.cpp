#include "support/qt/WindowTexts.h"

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

QStringList BoxTexts(const TfrmMain& window, const QString& names) {
    QStringList texts;
    for (const QString& name : names.split(QLatin1Char(' '))) {
        const auto* box = window.findChild<const TCaptionedEdit*>(name);
        texts << (box != nullptr ? box->text() : QStringLiteral("(no %1)").arg(name));
    }
    return texts;
}

} // namespace kelvra::test
