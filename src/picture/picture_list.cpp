#include "picture/picture_list.h"

namespace render {

PictureList cutCells(const Picture& sheet, int cellWidth, int cellHeight, int count) {
    PictureList list;
    const int columns = cellWidth > 0 ? sheet.width / cellWidth : 0;
    if (columns == 0 || cellHeight <= 0)
        return list;
    list.pictures.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const Rect cell{(n % columns) * cellWidth, (n / columns) * cellHeight, cellWidth,
                        cellHeight};
        list.pictures.push_back(copyRect(sheet, cell));
    }
    return list;
}

void drawListPicture(Picture& dest, int x, int y, const PictureList& list, int n, RasterOp op) {
    if (const Picture* p = list.find(n))
        draw(dest, x, y, *p, op);
}

std::string dataPath(const std::string& gameFolder, const std::string& file) {
    return gameFolder + "/data/" + file;
}

std::optional<PictureError> loadPictureList(PictureList& list, const std::string& gameFolder,
                                            const PictureFileLayout& layout) {
    const std::string path = dataPath(gameFolder, layout.file);
    PictureResult sheet = readBmp(path);
    if (!sheet.ok())
        return sheet.error;
    if (sheet.picture.width != layout.sheetWidth || sheet.picture.height != layout.sheetHeight)
        return PictureError{path, "the picture is " + std::to_string(sheet.picture.width) + " x " +
                                      std::to_string(sheet.picture.height) + " instead of " +
                                      std::to_string(layout.sheetWidth) + " x " +
                                      std::to_string(layout.sheetHeight)};
    list = cutCells(sheet.picture, layout.cellSide, layout.cellSide, layout.count);
    return std::nullopt;
}

} // namespace render
