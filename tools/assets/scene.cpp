// The scene language: a picture is a list of drawing statements in logical
// pixels; "define" names a reusable piece that "use" draws at an offset.
#include "scene.h"

#include <algorithm>
#include <map>

namespace assets {
namespace {

using Statements = std::vector<SourceLine>;

// What every statement of a scene can reach while it draws.
struct SceneContext {
    const Art& art;
    const PictureStrip& strip;
    const PixelFont& font;
    const std::map<std::string, Statements>& pieces;
};

// A colour word: one palette key, or six hex digits.
QRgb colourOf(const std::string& word, const Art& art, const SourceLine& line) {
    if (word.size() == 1) {
        return art.palette.colour(word[0], line);
    }
    if (word.size() != 6 || word.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        fail(line, "expected a palette key or RRGGBB colour, found " + word);
    }
    return 0xff000000u | std::stoul(word, nullptr, 16);
}

// The numbers words[first .. first + count - 1], all required.
std::vector<int> numbers(const std::vector<std::string>& words, std::size_t first,
                         std::size_t count, const SourceLine& line) {
    if (words.size() < first + count) {
        fail(line, "too few arguments");
    }
    std::vector<int> values;
    for (std::size_t i = first; i < first + count; ++i) {
        values.push_back(toInt(words[i], line));
    }
    return values;
}

// True when the optional word is among the statement's trailing words.
bool hasOption(const std::vector<std::string>& words, const std::string& option) {
    return std::find(words.begin(), words.end(), option) != words.end();
}

// The number after an optional word ("zoom 3", "size 2"), or a default.
int optionValue(const std::vector<std::string>& words, const std::string& option, int fallback,
                const SourceLine& line) {
    const auto found = std::find(words.begin(), words.end(), option);
    if (found == words.end() || found + 1 == words.end()) {
        return fallback;
    }
    return toInt(*(found + 1), line);
}

void drawStatements(Canvas& canvas, const Statements& statements, const SceneContext& context);

// Draws a sprite frame repeatedly over a logical area, as a floor is tiled.
void tileArea(Canvas& canvas, const QImage& tile, const std::vector<int>& area) {
    const int stepX = std::max(1, tile.width() / canvas.scale());
    const int stepY = std::max(1, tile.height() / canvas.scale());
    for (int y = area[1]; y < area[1] + area[3]; y += stepY) {
        for (int x = area[0]; x < area[0] + area[2]; x += stepX) {
            canvas.blit(tile, x, y, 1, false);
        }
    }
}

// Draws a raised (light above-left) or sunken box edge with a filled inside.
void bevel(Canvas& canvas, const std::vector<int>& box, QRgb light, QRgb dark, QRgb inside) {
    canvas.rect(box[0], box[1], box[2], box[3], inside);
    canvas.rect(box[0], box[1], box[2], 1, light);
    canvas.rect(box[0], box[1], 1, box[3], light);
    canvas.rect(box[0], box[1] + box[3] - 1, box[2], 1, dark);
    canvas.rect(box[0] + box[2] - 1, box[1], 1, box[3], dark);
}

// Draws one statement.
void drawStatement(Canvas& canvas, const SourceLine& line, const SceneContext& context) {
    const auto words = splitWords(line.text);
    const std::string& verb = words[0];
    const Art& art = context.art;
    if (verb == "fill") {
        const auto box = numbers(words, 1, 4, line);
        canvas.rect(box[0], box[1], box[2], box[3], colourOf(words.at(5), art, line));
    } else if (verb == "gradient") {
        const auto box = numbers(words, 1, 4, line);
        std::vector<QRgb> colours;
        for (std::size_t i = 5; i < words.size(); ++i) {
            colours.push_back(colourOf(words[i], art, line));
        }
        canvas.gradient(box[0], box[1], box[2], box[3], colours);
    } else if (verb == "ellipse") {
        const auto box = numbers(words, 1, 4, line);
        canvas.ellipse(box[0], box[1], box[2], box[3], colourOf(words.at(5), art, line));
    } else if (verb == "poly") {
        std::vector<QPoint> points;
        const auto values = numbers(words, 2, words.size() - 2, line);
        for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
            points.emplace_back(values[i], values[i + 1]);
        }
        canvas.polygon(points, colourOf(words.at(1), art, line));
    } else if (verb == "line") {
        const auto ends = numbers(words, 1, 4, line);
        canvas.line(ends[0], ends[1], ends[2], ends[3], colourOf(words.at(5), art, line));
    } else if (verb == "stars") {
        const auto values = numbers(words, 1, 6, line);
        canvas.stars(values[0], values[1], values[2], values[3], values[4], values[5],
                     colourOf(words.at(7), art, line));
    } else if (verb == "bevel") {
        const auto box = numbers(words, 1, 4, line);
        bevel(canvas, box, colourOf(words.at(5), art, line), colourOf(words.at(6), art, line),
              colourOf(words.at(7), art, line));
    } else if (verb == "sprite") {
        const auto place = numbers(words, 3, 2, line);
        canvas.blit(art.sprites.frame(words[1], words[2], line), place[0], place[1],
                    optionValue(words, "zoom", 1, line), hasOption(words, "mirror"));
    } else if (verb == "tiles") {
        tileArea(canvas, art.sprites.frame(words.at(1), words.at(2), line),
                 numbers(words, 3, 4, line));
    } else if (verb == "strip") {
        const auto values = numbers(words, 1, 3, line);
        if (values[0] < 0 || values[0] >= StripLayout::pictureCount) {
            fail(line, "no such strip picture");
        }
        canvas.blit(context.strip.pictures[static_cast<std::size_t>(values[0])], values[1],
                    values[2], optionValue(words, "zoom", 1, line), false);
    } else if (verb == "text") {
        const auto place = numbers(words, 1, 2, line);
        const int align = hasOption(words, "center") ? 1 : hasOption(words, "right") ? 2 : 0;
        canvas.text(context.font, place[0], place[1], words.at(4), colourOf(words.at(3), art, line),
                    optionValue(words, "size", 1, line), align);
    } else if (verb == "use") {
        const auto piece = context.pieces.find(words.at(1));
        if (piece == context.pieces.end()) {
            fail(line, "no piece named " + words[1]);
        }
        const auto offset = words.size() >= 4 ? numbers(words, 2, 2, line) : std::vector<int>{0, 0};
        canvas.translate(offset[0], offset[1]);
        drawStatements(canvas, piece->second, context);
        canvas.translate(-offset[0], -offset[1]);
    } else {
        fail(line, "unknown drawing statement");
    }
}

void drawStatements(Canvas& canvas, const Statements& statements, const SceneContext& context) {
    for (const auto& line : statements) {
        drawStatement(canvas, line, context);
    }
}

// One "picture PATH WIDTH HEIGHT [scale S]" block as written.
struct PictureSource {
    SourceLine header;
    Statements statements;
};

// Reads the pieces and pictures of every scene file.
void readScenes(const std::filesystem::path& folder, std::map<std::string, Statements>& pieces,
                std::vector<PictureSource>& pictures) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        Statements* open = nullptr;
        for (const auto& line : readSourceLines(file)) {
            const auto words = splitWords(line.text);
            if (words[0] == "end") {
                open = nullptr;
            } else if (open != nullptr) {
                open->push_back(line);
            } else if (words[0] == "define" && words.size() == 2) {
                open = &pieces[words[1]];
            } else if (words[0] == "picture" && words.size() >= 4) {
                pictures.push_back({line, {}});
                open = &pictures.back().statements;
            } else {
                fail(line, "expected 'define NAME' or 'picture PATH WIDTH HEIGHT'");
            }
        }
    }
}

} // namespace

std::vector<ScenePicture> drawScenes(const Art& art, const PictureStrip& strip,
                                     const PixelFont& font) {
    std::map<std::string, Statements> pieces;
    std::vector<PictureSource> sources;
    readScenes(art.folder / "scenes", pieces, sources);
    const SceneContext context{art, strip, font, pieces};
    std::vector<ScenePicture> pictures;
    for (const auto& source : sources) {
        const auto words = splitWords(source.header.text);
        const auto size = numbers(words, 2, 2, source.header);
        const int scale = optionValue(words, "scale", 1, source.header);
        Canvas canvas(size[0], size[1], scale);
        drawStatements(canvas, source.statements, context);
        const bool keepsClear = std::filesystem::path(words[1]).extension() == ".png";
        pictures.push_back({words[1], keepsClear
                                          ? canvas.image()
                                          : canvas.image().convertToFormat(QImage::Format_RGB32)});
    }
    return pictures;
}

} // namespace assets
