// The tile picture strip (chtable.dq), its masks (chtableb.dq) and what each
// picture number shows, built from data/art/pictures.txt.
#pragma once

#include "art.h"

#include <QImage>
#include <string>
#include <vector>

namespace assets {

// The fixed shape of the picture files the game cuts into 32 x 32 cells.
struct StripLayout {
    static constexpr int cell = 32;
    static constexpr int columns = 11;
    static constexpr int pictureRows = 20;
    static constexpr int pictureCount = 218;
    static constexpr int maskRows = 15;
    static constexpr int maskCount = 159;
};

// Every picture of the strip with its mask and a line saying what it is.
struct PictureStrip {
    std::vector<QImage> pictures; // 218 opaque 32 x 32 pictures
    std::vector<QImage> masks;    // black where the picture's figure is, white around it
    std::vector<std::string> notes;
};

// Draws all 218 pictures as pictures.txt says; every number must be given exactly once.
PictureStrip buildStrip(const Art& art);

// Lays cells out row by row, left to right, on a sheet of the given columns and rows.
QImage cellSheet(const std::vector<QImage>& cells, int count, int columns, int rows, int size);

} // namespace assets
