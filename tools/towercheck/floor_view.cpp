#include "floor_view.h"

#include "picture/bmp.h"
#include "picture/picture_list.h"

#include <cstdio>

namespace towercheck {

// floorGrid: the floor as its file would write it.
std::string floorGrid(const world::TowerMap& tower, int floor) {
    std::string out = "floor " + std::to_string(floor) + "  arrival " +
                      std::to_string(tower.arrivalUp(floor)) + " " +
                      std::to_string(tower.arrivalDown(floor)) + "\n";
    char buf[8];
    for (int y = 0; y < world::kSide; ++y) {
        for (int x = 0; x < world::kSide; ++x) {
            std::snprintf(buf, sizeof buf, "%s%3d", x ? " " : "",
                          tower.tile(floor, world::cellOf(x, y)));
            out += buf;
        }
        out += "\n";
    }
    return out;
}

// renderFloor: picture c - 1 of the tile strip for tile code c, cell by cell.
std::optional<std::string> renderFloor(const world::TowerMap& tower, int floor,
                                       const std::string& gameFolder, const std::string& outPath) {
    render::PictureList tiles;
    if (auto error = render::loadPictureList(tiles, gameFolder, render::kImageList1File))
        return error->text();
    const int side = render::kImageList1File.cellSide;
    render::Picture picture(world::kSide * side, world::kSide * side);
    for (int c = 0; c < world::kCells; ++c) {
        render::drawListPicture(picture, world::cellX(c) * side, world::cellY(c) * side, tiles,
                                tower.tile(floor, c) - 1);
    }
    if (auto error = render::writeBmp24(outPath, picture))
        return error->text();
    return std::nullopt;
}

} // namespace towercheck
