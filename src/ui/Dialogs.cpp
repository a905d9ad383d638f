#include "Dialogs.h"

#include <QMessageBox>

namespace kelvra {

namespace {

void ShowBox(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text) {
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
