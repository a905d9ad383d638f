#pragma once

#include <QApplication>
#include <QCursor>

namespace kelvra {

// Shows a cursor over the whole program for its lifetime, also when an exception
// leaves the scope; the one it covered comes back afterwards.
class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape) {
        QApplication::setOverrideCursor(QCursor(shape));
    }
    ~OverrideCursor() { QApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

// The wait cursor of a device operation.
class WaitCursor : public OverrideCursor {
public:
    WaitCursor() : OverrideCursor(Qt::WaitCursor) {}
};

} // namespace kelvra
