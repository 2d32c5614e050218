// The contact sheet for reviewing the picture files cell by cell.
#include "sheet.h"

#include <string>

namespace assets {
namespace {

constexpr int kColumns = 16;
constexpr int kZoom = 2;
constexpr int kBox = StripLayout::cell * kZoom + 8; // cell, margin and label
constexpr int kLabel = 10;
constexpr int kHeading = 24;

// Rows of boxes needed for a count of cells.
int rowsFor(int count) {
    return (count + kColumns - 1) / kColumns;
}

// Draws one labelled section and returns the height it took.
int section(Canvas& canvas, int top, const std::string& title, const std::vector<QImage>& cells,
            int count, int zoom, const PixelFont& font) {
    canvas.text(font, 4, top + 6, title, qRgb(255, 230, 150), 2, 0);
    top += kHeading;
    for (int i = 0; i < count; ++i) {
        const int x = (i % kColumns) * kBox + 4;
        const int y = top + (i / kColumns) * (kBox + kLabel);
        canvas.rect(x - 1, y - 1, StripLayout::cell * kZoom + 2, StripLayout::cell * kZoom + 2,
                    qRgb(70, 70, 80));
        canvas.blit(cells[static_cast<std::size_t>(i)], x, y, zoom, false);
        canvas.text(font, x + StripLayout::cell * kZoom / 2, y + StripLayout::cell * kZoom + 3,
                    std::to_string(i), qRgb(230, 230, 230), 1, 1);
    }
    return kHeading + rowsFor(count) * (kBox + kLabel);
}

} // namespace

QImage contactSheet(const PictureStrip& strip, const QImage& keyIcons, const PixelFont& font) {
    std::vector<QImage> keys;
    for (int i = 0; i < 4; ++i) {
        keys.push_back(keyIcons.copy((i % 2) * 16, (i / 2) * 16, 16, 16));
    }
    const int height = 3 * kHeading +
                       (rowsFor(StripLayout::pictureCount) + rowsFor(StripLayout::maskCount) + 1) *
                           (kBox + kLabel) +
                       8;
    Canvas canvas(kColumns * kBox + 8, height, 1);
    canvas.rect(0, 0, kColumns * kBox + 8, height, qRgb(32, 30, 40));
    int top = 4;
    top += section(canvas, top, "CHTABLE.DQ - 218 PICTURES", strip.pictures,
                   StripLayout::pictureCount, kZoom, font);
    top += section(canvas, top, "CHTABLEB.DQ - 159 MASKS", strip.masks, StripLayout::maskCount,
                   kZoom, font);
    section(canvas, top, "KEY.DQ - 4 KEY ICONS", keys, 4, kZoom * 2, font);
    return canvas.image();
}

} // namespace assets
