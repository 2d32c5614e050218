// Building the tile picture strip: each number of pictures.txt names a recipe.
#include "catalogue.h"

#include <QPainter>
#include <cstdint>
#include <numeric>

namespace assets {
namespace {

constexpr int kCell = StripLayout::cell;

QImage blankCell(QRgb colour) {
    QImage cell(kCell, kCell, QImage::Format_RGB32);
    cell.fill(colour);
    return cell;
}

// Black where the figure has a pixel, white around it.
QImage maskOf(const QImage& figure) {
    QImage mask = blankCell(qRgb(255, 255, 255));
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            if (qAlpha(figure.pixel(x, y)) != 0) {
                mask.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
    return mask;
}

// Lays a figure over a ground tile; a figure pixel that happens to match the
// ground is shifted by one step of blue so that the figure can always be told
// from the ground it stands on.
QImage standOn(const QImage& ground, const QImage& figure) {
    QImage picture = ground.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            const QRgb colour = figure.pixel(x, y);
            if (qAlpha(colour) == 0) {
                continue;
            }
            const QRgb under = picture.pixel(x, y);
            const QRgb opaque = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
            picture.setPixel(x, y, opaque == under ? (opaque ^ 1u) : opaque);
        }
    }
    return picture;
}

// The rank of every pixel of a cell in the dissolve order: a fixed scattering
// of all 1024 pixels, so that each level covers the previous one and more.
std::vector<int> dissolveRanks() {
    std::vector<int> order(kCell * kCell);
    std::iota(order.begin(), order.end(), 0);
    std::uint32_t state = 0x9e3779b9u;
    for (std::size_t i = order.size() - 1; i > 0; --i) {
        state = state * 1664525u + 1013904223u;
        std::swap(order[i], order[(state >> 8) % (i + 1)]);
    }
    std::vector<int> rank(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        rank[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    }
    return rank;
}

// Dissolve mask number level of 17: black on level/17 of the cell, all black at 17.
QImage dissolveMask(int level) {
    static const std::vector<int> ranks = dissolveRanks();
    QImage mask = blankCell(qRgb(255, 255, 255));
    const int covered = kCell * kCell * level / 17;
    for (int i = 0; i < kCell * kCell; ++i) {
        if (ranks[static_cast<std::size_t>(i)] < covered) {
            mask.setPixel(i % kCell, i / kCell, qRgb(0, 0, 0));
        }
    }
    return mask;
}

// Cell index (0..8, reading order) of a 96 x 96 figure.
QImage partOf(const QImage& big, int index, const SourceLine& line) {
    if (big.width() != 3 * kCell || big.height() != 3 * kCell || index < 0 || index > 8) {
        fail(line, "a part needs a 96 x 96 figure and a cell 0..8");
    }
    return big.copy((index % 3) * kCell, (index / 3) * kCell, kCell, kCell);
}

// The frame named by words[first] and words[first + 1], checked to be one cell.
const QImage& cellFrame(const Art& art, const std::vector<std::string>& words, std::size_t first,
                        const SourceLine& line) {
    if (words.size() < first + 2) {
        fail(line, "expected SPRITE FRAME");
    }
    const QImage& frame = art.sprites.frame(words[first], words[first + 1], line);
    if (frame.width() != kCell || frame.height() != kCell) {
        fail(line, "expected a 32 x 32 frame");
    }
    return frame;
}

// Draws one numbered recipe into the strip.
void drawRecipe(const Art& art, PictureStrip& strip, int number,
                const std::vector<std::string>& words, const SourceLine& line) {
    const std::string& kind = words[1];
    const QImage& road = art.sprites.frame("road", "a", line);
    auto& picture = strip.pictures[static_cast<std::size_t>(number)];
    auto& mask = strip.masks[static_cast<std::size_t>(number)];
    if (kind == "tile") {
        picture = standOn(blankCell(qRgb(0, 0, 0)), cellFrame(art, words, 2, line));
        mask = blankCell(qRgb(0, 0, 0));
    } else if (kind == "figure") {
        const QImage& figure = cellFrame(art, words, 2, line);
        const bool onOther = words.size() >= 7 && words[4] == "on";
        picture = standOn(onOther ? cellFrame(art, words, 5, line) : road, figure);
        mask = maskOf(figure);
    } else if (kind == "part" && words.size() >= 5) {
        const QImage part =
            partOf(art.sprites.frame(words[2], words[3], line), toInt(words[4], line), line);
        picture = standOn(road, part);
        mask = maskOf(part);
    } else if (kind == "dissolve" && words.size() >= 3) {
        picture = dissolveMask(toInt(words[2], line));
        mask = blankCell(qRgb(0, 0, 0));
    } else if ((kind == "mask" || kind == "same") && words.size() >= 3) {
        const int source = toInt(words[2], line);
        if (source < 0 || source >= StripLayout::pictureCount ||
            strip.pictures[static_cast<std::size_t>(source)].isNull()) {
            fail(line, "refers to a picture that is not drawn from a sprite");
        }
        const auto index = static_cast<std::size_t>(source);
        picture = kind == "mask" ? strip.masks[index] : strip.pictures[index];
        mask = kind == "mask" ? blankCell(qRgb(0, 0, 0)) : strip.masks[index];
    } else {
        fail(line, "unknown picture recipe");
    }
}

} // namespace

PictureStrip buildStrip(const Art& art) {
    PictureStrip strip;
    strip.pictures.resize(StripLayout::pictureCount);
    strip.masks.resize(StripLayout::pictureCount);
    strip.notes.resize(StripLayout::pictureCount);
    // Copies and masks of other pictures are drawn after everything they can refer to.
    std::vector<std::pair<SourceLine, std::vector<std::string>>> copies;
    for (const auto& line : readSourceLines(art.folder / "pictures.txt")) {
        const auto words = splitWords(line.text);
        if (words.size() < 3) {
            fail(line, "expected NUMBER RECIPE ... \"what it is\"");
        }
        const int number = toInt(words[0], line);
        if (number < 0 || number >= StripLayout::pictureCount ||
            !strip.notes[static_cast<std::size_t>(number)].empty()) {
            fail(line, "picture number out of range or given twice");
        }
        strip.notes[static_cast<std::size_t>(number)] = words.back();
        const std::vector<std::string> recipe(words.begin(), words.end() - 1);
        if (recipe[1] == "mask" || recipe[1] == "same") {
            copies.emplace_back(line, recipe);
        } else {
            drawRecipe(art, strip, number, recipe, line);
        }
    }
    for (const auto& [line, recipe] : copies) {
        drawRecipe(art, strip, toInt(recipe[0], line), recipe, line);
    }
    for (int number = 0; number < StripLayout::pictureCount; ++number) {
        if (strip.pictures[static_cast<std::size_t>(number)].isNull()) {
            throw ArtError("pictures.txt: picture " + std::to_string(number) + " is not drawn");
        }
    }
    return strip;
}

QImage cellSheet(const std::vector<QImage>& cells, int count, int columns, int rows, int size) {
    QImage sheet(columns * size, rows * size, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    QPainter painter(&sheet);
    for (int i = 0; i < count; ++i) {
        painter.drawImage((i % columns) * size, (i / columns) * size,
                          cells[static_cast<std::size_t>(i)]);
    }
    return sheet;
}

} // namespace assets
