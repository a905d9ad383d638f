#pragma once
// The window's fonts in one place: the family its texts ask for on each platform,
// and the text size at which every caption fits.

#include <QList>
#include <QString>

namespace kelvra {

class TFieldCaption;

// The family the window's texts ask for, made available before the first text.
QString WindowFontFamily();

// The largest size up to the designed 11 px at which every caption fits its width.
int FittingTextPixels(const QList<TFieldCaption*>& captions);

} // namespace kelvra
