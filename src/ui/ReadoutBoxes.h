#pragma once

#include "link/ReadoutField.h"

#include <QObject>
#include <optional>

namespace kelvra {

// Which readout value a box shows: set by the box's row where the window is built,
// read by the readout to fill every box of a value.
void SetShownField(QObject& box, ReadoutField field);
std::optional<ReadoutField> ShownField(const QObject& box);

} // namespace kelvra
