#pragma once

#include <QString>

class QWidget;

namespace kelvra {

// The window's modal message boxes, behind a seam so that tests can record them.
class Dialogs {
public:
    Dialogs() = default;
    virtual ~Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // An information box with one OK button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // The stop box for an error: critical icon, one OK button.
    virtual void stop(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The toolkit's message boxes. They show the normal pointer also while a device
// operation shows the wait cursor.
class MessageBoxDialogs : public Dialogs {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void stop(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace kelvra
