#include "ui/Pictures.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>
#include <QSize>
#include <QString>

// Resources compiled into a static library are registered by hand; the macro only
// works outside a namespace. The renditions exist only where the build had a
// renderer (KELVRA_PICTURE_RENDITIONS).
static void RegisterResources() {
    Q_INIT_RESOURCE(kelvra);
#ifdef KELVRA_PICTURE_RENDITIONS
    Q_INIT_RESOURCE(kelvra_renditions);
#endif
}

namespace kelvra {

namespace {

const char* const kSvgFolder = ":/icons/";
// NAME-SIDE.png and NAME-SIDE@2x.png, the second read at a pixel ratio of 2.
const char* const kRenditionFolder = ":/renditions/";
const char* const kLogoName = "logo";
const char* const kMarkName = "mark";
constexpr int kIconSides[] = {16, 24, 32, 48, 64, 128, 256};

bool SvgReadable() {
    return QImageReader::supportedImageFormats().contains("svg");
}

} // namespace

void RegisterPictureResources() {
    RegisterResources();
}

QIcon RenditionPicture(const char* name) {
    const QDir folder(QString::fromLatin1(kRenditionFolder));
    QIcon icon;
    for (const QString& file :
         folder.entryList({QString::fromLatin1(name) + QStringLiteral("-*.png")}, QDir::Files)) {
        icon.addFile(folder.filePath(file));
    }
    return icon;
}

QIcon Picture(const char* name) {
    if (SvgReadable()) {
        // Qt without Svg still makes a non-null icon of an SVG file, one that
        // paints nothing: hence the reader's word first.
        return QIcon(QString::fromLatin1(kSvgFolder) + QString::fromLatin1(name) +
                     QStringLiteral(".svg"));
    }
    return RenditionPicture(name);
}

QIcon ProgramIcon() {
    if (!SvgReadable()) {
        return RenditionPicture(kMarkName); // rendered square already
    }
    const QIcon logo = Picture(kLogoName);
    QIcon icon;
    for (const int side : kIconSides) {
        // Wider than the logo (121 x 28), so its height is the side and the
        // mark comes out side x side.
        const QPixmap strip = logo.pixmap(QSize(side * 5, side), 1.0);
        if (!strip.isNull()) {
            icon.addPixmap(strip.copy(0, 0, side, side));
        }
    }
    return icon;
}

} // namespace kelvra
