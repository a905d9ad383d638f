#pragma once

#include "ui/Main.h"

#include <QStringList>

namespace kelvra::test {

// The exchange log's lines as texts, and without their "HH:MM:SS" stamps.
QStringList LogLines(const TfrmMain& window);
QStringList LogLinesWithoutTime(const TfrmMain& window);

// The texts of the captioned boxes named, blank-separated, in that order.
QStringList BoxTexts(const TfrmMain& window, const QString& names);

} // namespace kelvra::test
