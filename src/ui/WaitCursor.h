#pragma once

#include <QApplication>
#include <QCursor>

namespace kelvra {

// Shows the wait cursor for its lifetime, also when an exception leaves the scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace kelvra
