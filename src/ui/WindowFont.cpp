#include "ui/WindowFont.h"

#include "ui/CaptionedFields.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace kelvra {

namespace {

#ifdef _WIN32
// Tahoma is on every Windows since 2000, and its widths are those the layout's
// fixed rooms were made for; wine brings a metric copy of it.
const char* const kFamily = "Tahoma";
#else
// The design's Windows font. Elsewhere Qt takes the first installed look-alike,
// the narrow ones first; without any of them it falls back to the system's sans
// serif, which may be wider (DejaVu Sans on a plain Debian).
const char* const kFamily = "MS Sans Serif";
#endif

// The designed text size, and the smallest a wide look-alike brings it down to.
constexpr int kTextPixels = 11;
constexpr int kSmallestTextPixels = 8;

void RegisterSubstitutes() {
#ifndef _WIN32
    const QStringList lookAlikes = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Nimbus Sans"),
                                    QStringLiteral("DejaVu Sans Condensed")};
    QFont::insertSubstitutions(QString::fromLatin1(kFamily), lookAlikes);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), lookAlikes);
#endif
}

} // namespace

QString WindowFontFamily() {
    RegisterSubstitutes();
    return QString::fromLatin1(kFamily);
}

// The captions have the tightest fixed widths. The window takes the largest text
// size up to the designed one at which every caption's text fits its width in the
// font this system has, so no caption is clipped; buttons and group frames leave
// more room than the captions do.
int FittingTextPixels(const QList<TFieldCaption*>& captions) {
    QFont font(WindowFontFamily());
    font.setBold(true);
    for (int pixels = kTextPixels; pixels > kSmallestTextPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (std::all_of(captions.begin(), captions.end(), [&](const TFieldCaption* caption) {
                return metrics.horizontalAdvance(caption->text()) <= caption->width();
            })) {
            return pixels;
        }
    }
    return kSmallestTextPixels;
}

} // namespace kelvra
