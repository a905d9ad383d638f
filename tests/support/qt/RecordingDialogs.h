#pragma once

#include "ui/Dialogs.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kelvra::test {

// Whether a running operation's wait cursor is up.
bool WaitCursorShown();

// Message boxes as records, each with whether the wait cursor was up when it opened.
struct RecordingDialogs : Dialogs {
    struct Box {
        QString title;
        QString text;
        bool waitCursorShown = false;
    };

    void information(QWidget*, const QString& title, const QString& text) override {
        informations.push_back({title, text, WaitCursorShown()});
    }
    void stop(QWidget*, const QString& title, const QString& text) override {
        stops.push_back({title, text, WaitCursorShown()});
    }
    QStringList informationTexts() const { return Texts(informations); }
    QStringList stopTexts() const { return Texts(stops); }

    std::vector<Box> informations;
    std::vector<Box> stops;

private:
    static QStringList Texts(const std::vector<Box>& boxes);
};

} // namespace kelvra::test
