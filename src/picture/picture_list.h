// Picture lists: numbered pictures of one size cut from a sheet, and the three lists of the
// game (tiles and hero, masks, key icons) loaded from the game folder's data/ folder.
#pragma once

#include "picture/bmp.h"
#include "picture/picture.h"

#include <optional>
#include <string>
#include <vector>

namespace render {

// A numbered list of pictures. A number outside the list names no picture and draws nothing.
struct PictureList {
    std::vector<Picture> pictures;

    int size() const { return static_cast<int>(pictures.size()); }
    const Picture* find(int n) const {
        return n >= 0 && n < size() ? &pictures[static_cast<std::size_t>(n)] : nullptr;
    }
};

// Cut `count` cells of cellWidth x cellHeight from a sheet, row by row and left to right, so
// that cell (column j, row i) becomes picture i * columns + j, columns = sheet width / cellWidth.
PictureList cutCells(const Picture& sheet, int cellWidth, int cellHeight, int count);

// Draw picture n of the list at (x, y) of dest (copy); nothing when n is outside the list.
void drawListPicture(Picture& dest, int x, int y, const PictureList& list, int n,
                     RasterOp op = RasterOp::Copy);

// The layout of the three picture files.
struct PictureFileLayout {
    const char* file; // in <game folder>/data/
    int sheetWidth;   // the sheet's size as the game expects it
    int sheetHeight;
    int cellSide; // cells are square
    int count;    // pictures taken
};
inline constexpr PictureFileLayout kImageList1File{"chtable.dq", 352, 640, 32, 218};
inline constexpr PictureFileLayout kImageList3File{"chtableb.dq", 352, 480, 32, 159};
inline constexpr PictureFileLayout kImageList2File{"key.dq", 32, 32, 16, 4};

// Load one picture file and cut it; an error when the file is missing, damaged or of another
// size than its layout says.
std::optional<PictureError> loadPictureList(PictureList& list, const std::string& gameFolder,
                                            const PictureFileLayout& layout);

// The path of a file of the game folder's data/ folder.
std::string dataPath(const std::string& gameFolder, const std::string& file);

} // namespace render
