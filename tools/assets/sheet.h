// The contact sheet: every cell of the three picture files, numbered, on one picture.
#pragma once

#include "catalogue.h"
#include "raster.h"

#include <QImage>

namespace assets {

// All 218 pictures, 159 masks and 4 key icons, each with its number under it.
QImage contactSheet(const PictureStrip& strip, const QImage& keyIcons, const PixelFont& font);

} // namespace assets
