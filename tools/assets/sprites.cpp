// The sprite book: character grids turned into game-size figures with one
// light direction (from the upper left) and a dark outline around every figure.
#include "art.h"

#include <algorithm>

namespace assets {
namespace {

// One frame as written: its grid rows and a final pixel shift.
struct FrameSource {
    std::vector<std::string> rows;
    int nudgeX = 0;
    int nudgeY = 0;
};

// One sprite as written in its file, before drawing.
struct SpriteSource {
    SourceLine where;
    int scale = 2;
    bool plain = false; // tiles and icons: no outline, no rim light
    std::vector<std::pair<std::string, FrameSource>> frames;

    FrameSource* frame(const std::string& name) {
        for (auto& [frameName, source] : frames) {
            if (frameName == name) {
                return &source;
            }
        }
        return nullptr;
    }
};

using SourceBook = std::map<std::string, SpriteSource>;

// Blends a colour towards another by amount/256.
QRgb blend(QRgb from, QRgb to, int amount) {
    const auto mix = [amount](int a, int b) { return a + (b - a) * amount / 256; };
    return qRgba(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
                 mix(qBlue(from), qBlue(to)), 255);
}

bool solidAt(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qAlpha(image.pixel(x, y)) != 0;
}

// Lights the upper-left rim of a figure and darkens its lower-right rim.
QImage rimLight(const QImage& figure) {
    QImage lit = figure;
    for (int y = 0; y < figure.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x) {
            if (!solidAt(figure, x, y)) {
                continue;
            }
            const bool litEdge = !solidAt(figure, x - 1, y) || !solidAt(figure, x, y - 1);
            const bool shadeEdge = !solidAt(figure, x + 1, y) || !solidAt(figure, x, y + 1);
            if (litEdge && !shadeEdge) {
                lit.setPixel(x, y, blend(figure.pixel(x, y), qRgb(255, 250, 230), 56));
            } else if (shadeEdge && !litEdge) {
                lit.setPixel(x, y, blend(figure.pixel(x, y), qRgb(16, 8, 32), 64));
            }
        }
    }
    return lit;
}

// Surrounds a figure with a one-pixel outline in a deep shade of the colour it borders.
QImage outline(const QImage& figure) {
    QImage outlined = figure;
    const int steps[4][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
    for (int y = 0; y < figure.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x) {
            if (solidAt(figure, x, y)) {
                continue;
            }
            for (const auto& step : steps) {
                if (solidAt(figure, x + step[0], y + step[1])) {
                    const QRgb next = figure.pixel(x + step[0], y + step[1]);
                    outlined.setPixel(x, y, blend(next, qRgb(20, 12, 28), 200));
                    break;
                }
            }
        }
    }
    return outlined;
}

// Draws one frame grid at the sprite's scale, shifted by its nudge.
QImage drawFrame(const SpriteSource& sprite, const std::string& name, const FrameSource& frame,
                 const Palette& palette) {
    const int width = static_cast<int>(frame.rows.front().size());
    const int height = static_cast<int>(frame.rows.size());
    QImage image(width * sprite.scale, height * sprite.scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(frame.rows[y].size()) != width) {
            fail(sprite.where,
                 "grid rows of unequal width (frame " + name + ", row " + std::to_string(y) + ")");
        }
        for (int x = 0; x < width; ++x) {
            const char key = frame.rows[y][x];
            if (key == '.') {
                continue;
            }
            if (!palette.has(key)) {
                fail(sprite.where, std::string("unknown colour key '") + key + "' (frame " + name +
                                       ", row " + std::to_string(y) + ")");
            }
            const QRgb colour = palette.colour(key, sprite.where);
            for (int dy = 0; dy < sprite.scale; ++dy) {
                for (int dx = 0; dx < sprite.scale; ++dx) {
                    const int px = x * sprite.scale + dx + frame.nudgeX;
                    const int py = y * sprite.scale + dy + frame.nudgeY;
                    if (px >= 0 && py >= 0 && px < image.width() && py < image.height()) {
                        image.setPixel(px, py, colour);
                    }
                }
            }
        }
    }
    return sprite.plain ? image : outline(rimLight(image));
}

// A grid row is a line without spaces; everything else is a statement.
bool isGridRow(const std::string& text) {
    return text.find(' ') == std::string::npos && text[0] != '@';
}

// Swaps colour keys in rows, pairs "XY" turning X into Y.
void swapKeys(std::vector<std::string>& rows, const std::vector<std::string>& swaps,
              const SourceLine& line) {
    for (auto& row : rows) {
        for (char& key : row) {
            for (const auto& swap : swaps) {
                if (swap.size() != 2) {
                    fail(line, "colour swaps are written as two keys, like gr");
                }
                if (key == swap[0]) {
                    key = swap[1];
                    break;
                }
            }
        }
    }
}

// Starts a frame: "frame NAME", or "frame NAME from OTHER" followed by any of
// "mirror", "nudge DX DY" and, last, "swap XY ..." (colour key X becomes Y).
void beginFrame(SpriteSource& sprite, const SourceLine& line,
                const std::vector<std::string>& words) {
    if (words.size() < 2) {
        fail(line, "frame needs a name");
    }
    FrameSource frame;
    if (words.size() >= 4 && words[2] == "from") {
        const FrameSource* base = sprite.frame(words[3]);
        if (base == nullptr) {
            fail(line, "no earlier frame " + words[3]);
        }
        frame = *base;
        for (std::size_t i = 4; i < words.size(); ++i) {
            if (words[i] == "mirror") {
                for (auto& row : frame.rows) {
                    std::reverse(row.begin(), row.end());
                }
            } else if (words[i] == "nudge" && i + 2 < words.size()) {
                frame.nudgeX = toInt(words[i + 1], line);
                frame.nudgeY = toInt(words[i + 2], line);
                i += 2;
            } else if (words[i] == "swap") {
                swapKeys(frame.rows, {words.begin() + static_cast<long>(i) + 1, words.end()}, line);
                break;
            } else {
                fail(line, "unknown frame option " + words[i]);
            }
        }
    } else if (words.size() != 2) {
        fail(line, "expected 'frame NAME [from OTHER ...]'");
    }
    sprite.frames.emplace_back(words[1], frame);
}

// A copy of a sprite with colour keys swapped in pairs "XY" (X becomes Y).
SpriteSource recoloured(const SpriteSource& base, const SourceLine& line,
                        const std::vector<std::string>& swaps) {
    SpriteSource copy = base;
    copy.where = line;
    for (auto& [name, frame] : copy.frames) {
        swapKeys(frame.rows, swaps, line);
    }
    return copy;
}

// Reads every sprite statement of one file into the source book.
void readSpriteFile(const std::filesystem::path& file, SourceBook& book) {
    SpriteSource* sprite = nullptr;
    int nextRow = 0;
    for (const auto& line : readSourceLines(file)) {
        const auto words = splitWords(line.text);
        if (isGridRow(line.text)) {
            if (sprite == nullptr || sprite->frames.empty()) {
                fail(line, "grid row outside a frame");
            }
            auto& rows = sprite->frames.back().second.rows;
            if (nextRow < static_cast<int>(rows.size())) {
                rows[nextRow] = line.text;
            } else {
                rows.push_back(line.text);
            }
            ++nextRow;
        } else if (line.text[0] == '@') {
            nextRow = toInt(line.text.substr(1), line);
        } else if (words[0] == "sprite" && words.size() >= 2) {
            sprite = &book[words[1]];
            *sprite = SpriteSource{line, 2, false, {}};
            for (std::size_t i = 2; i < words.size(); ++i) {
                if (words[i] == "plain") {
                    sprite->plain = true;
                } else if (words[i] == "scale" && i + 1 < words.size()) {
                    sprite->scale = toInt(words[++i], line);
                } else {
                    fail(line, "unknown sprite option " + words[i]);
                }
            }
        } else if (words[0] == "frame" && sprite != nullptr) {
            beginFrame(*sprite, line, words);
            nextRow = 0;
        } else if (words[0] == "recolor" && words.size() >= 4 && words[2] == "from") {
            const auto base = book.find(words[3]);
            if (base == book.end()) {
                fail(line, "recolour of an unknown or later sprite " + words[3]);
            }
            book[words[1]] = recoloured(base->second, line, {words.begin() + 4, words.end()});
            sprite = nullptr;
        } else {
            fail(line, "unknown statement");
        }
    }
}

} // namespace

SpriteBook SpriteBook::load(const std::filesystem::path& folder, const Palette& palette) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    SourceBook sources;
    for (const auto& file : files) {
        readSpriteFile(file, sources);
    }
    SpriteBook book;
    for (const auto& [name, source] : sources) {
        Sprite sprite;
        for (const auto& [frameName, frame] : source.frames) {
            if (frame.rows.empty()) {
                fail(source.where, "frame " + frameName + " has no rows");
            }
            sprite.frames[frameName] = drawFrame(source, frameName, frame, palette);
        }
        book.add(name, std::move(sprite));
    }
    return book;
}

void SpriteBook::add(const std::string& name, Sprite sprite) {
    sprites_[name] = std::move(sprite);
}

const Sprite* SpriteBook::find(const std::string& name) const {
    const auto found = sprites_.find(name);
    return found == sprites_.end() ? nullptr : &found->second;
}

const QImage& SpriteBook::frame(const std::string& sprite, const std::string& frame,
                                const SourceLine& user) const {
    const Sprite* found = find(sprite);
    if (found == nullptr) {
        fail(user, "no sprite " + sprite);
    }
    const auto image = found->frames.find(frame);
    if (image == found->frames.end()) {
        fail(user, "sprite " + sprite + " has no frame " + frame);
    }
    return image->second;
}

} // namespace assets
