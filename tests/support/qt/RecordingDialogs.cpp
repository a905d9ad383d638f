#include "support/qt/RecordingDialogs.h"

#include <QApplication>
#include <QCursor>

namespace kelvra::test {

bool WaitCursorShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

QStringList RecordingDialogs::Texts(const std::vector<Box>& boxes) {
    QStringList texts;
    for (const Box& box : boxes) {
        texts << box.text;
    }
    return texts;
}

} // namespace kelvra::test
