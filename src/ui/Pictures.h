#pragma once
// The window's pictures: SVG where this Qt reads SVG, else the PNG renditions the
// build made of them, else none (the caller then shows a text).

#include <QIcon>

namespace kelvra {

// Makes the pictures of the static library reachable; once, before the first.
void RegisterPictureResources();

// NAME is a picture's file name without ".svg" ("connect"); a null icon when
// this build has neither the SVG's reader nor a rendition of it.
QIcon Picture(const char* name);

// The program's icon: the logo's square mark at the usual icon sizes.
QIcon ProgramIcon();

// The build's PNG renditions of a picture alone (null without any), which Picture
// takes where this Qt reads no SVG.
QIcon RenditionPicture(const char* name);

} // namespace kelvra
