#include "ui/Dialogs.h"

#include "ui/WaitCursor.h"

#include <QApplication>
#include <QMessageBox>
#include <optional>

namespace kelvra {

namespace {

void ShowBox(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text) {
    // A box opened during a device operation shows the normal pointer; the wait
    // cursor comes back when the box closes and the operation goes on.
    std::optional<OverrideCursor> pointer;
    if (QApplication::overrideCursor() != nullptr) {
        pointer.emplace(Qt::ArrowCursor);
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void MessageBoxDialogs::information(QWidget* parent, const QString& title, const QString& text) {
    ShowBox(QMessageBox::Information, parent, title, text);
}

void MessageBoxDialogs::stop(QWidget* parent, const QString& title, const QString& text) {
    ShowBox(QMessageBox::Critical, parent, title, text);
}

} // namespace kelvra
