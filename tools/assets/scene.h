// The large pictures of the game (window frame, panels, title, opening, ending,
// About box, icons), drawn from the short descriptions of data/art/scenes.
#pragma once

#include "art.h"
#include "catalogue.h"
#include "raster.h"

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace assets {

// One finished picture and the path below the game folder it is written to.
struct ScenePicture {
    std::string path;
    QImage image;
};

// Draws every picture described in the scenes folder.
std::vector<ScenePicture> drawScenes(const Art& art, const PictureStrip& strip,
                                     const PixelFont& font);

} // namespace assets
