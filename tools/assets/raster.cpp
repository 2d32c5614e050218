// Chunky-pixel drawing primitives, the pixel font and the BMP writer.
#include "raster.h"

#include "world/little_endian.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace assets {

PixelFont PixelFont::load(const std::filesystem::path& file) {
    PixelFont font;
    std::vector<std::string>* current = nullptr;
    for (const auto& line : readSourceLines(file)) {
        if (line.text.rfind("glyph ", 0) == 0 && line.text.size() == 7) {
            current = &font.glyphs_[line.text[6]];
        } else if (line.text == "glyph space") {
            current = &font.glyphs_[' '];
        } else if (line.text == "glyph hash") {
            current = &font.glyphs_['#'];
        } else if (current != nullptr && line.text.find(' ') == std::string::npos) {
            current->push_back(line.text);
        } else {
            fail(line, "expected 'glyph X' or a glyph row");
        }
    }
    for (const auto& [letter, rows] : font.glyphs_) {
        if (rows.size() != 7) {
            throw ArtError(std::string("glyph '") + letter + "' needs 7 rows");
        }
    }
    return font;
}

const std::vector<std::string>* PixelFont::glyph(char letter) const {
    auto found = glyphs_.find(letter);
    if (found == glyphs_.end() && letter >= 'a' && letter <= 'z') {
        found = glyphs_.find(static_cast<char>(letter - 'a' + 'A'));
    }
    return found == glyphs_.end() ? nullptr : &found->second;
}

int PixelFont::width(const std::string& text) const {
    int total = 0;
    for (char letter : text) {
        const auto* rows = glyph(letter);
        total += (rows != nullptr ? static_cast<int>(rows->front().size()) : 3) + 1;
    }
    return std::max(0, total - 1);
}

Canvas::Canvas(int width, int height, int scale)
    : image_(width, height, QImage::Format_ARGB32), scale_(scale) {
    image_.fill(Qt::transparent);
}

void Canvas::translate(int dx, int dy) {
    originX_ += dx;
    originY_ += dy;
}

void Canvas::plot(int x, int y, QRgb colour) {
    const int left = (x + originX_) * scale_;
    const int top = (y + originY_) * scale_;
    for (int py = std::max(0, top); py < std::min(image_.height(), top + scale_); ++py) {
        for (int px = std::max(0, left); px < std::min(image_.width(), left + scale_); ++px) {
            image_.setPixel(px, py, colour);
        }
    }
}

void Canvas::rect(int x, int y, int w, int h, QRgb colour) {
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            plot(px, py, colour);
        }
    }
}

void Canvas::ellipse(int x, int y, int w, int h, QRgb colour) {
    // Pixel centres inside the ellipse inscribed in the box, in doubled units.
    const long rx = w, ry = h;
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) {
            const long dx = 2 * px + 1 - rx;
            const long dy = 2 * py + 1 - ry;
            if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) {
                plot(x + px, y + py, colour);
            }
        }
    }
}

void Canvas::polygon(const std::vector<QPoint>& points, QRgb colour) {
    if (points.size() < 3) {
        return;
    }
    int top = points.front().y(), bottom = top;
    for (const auto& point : points) {
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    // Even-odd scanline fill sampled at pixel centres.
    for (int y = top; y < bottom; ++y) {
        std::vector<double> crossings;
        const double sampleY = y + 0.5;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint a = points[i];
            const QPoint b = points[(i + 1) % points.size()];
            if ((a.y() <= sampleY) != (b.y() <= sampleY)) {
                crossings.push_back(a.x() + (sampleY - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = static_cast<int>(crossings[i] + 0.5); x < crossings[i + 1] + 0.5; ++x) {
                plot(x, y, colour);
            }
        }
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, QRgb colour) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::gradient(int x, int y, int w, int h, const std::vector<QRgb>& colours) {
    static constexpr int bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    if (colours.size() < 2 || h < 1) {
        rect(x, y, w, h, colours.empty() ? qRgb(0, 0, 0) : colours.front());
        return;
    }
    const int bands = static_cast<int>(colours.size()) - 1;
    for (int py = 0; py < h; ++py) {
        // Position along the gradient in sixteenths of a band.
        const int position = py * bands * 16 / std::max(1, h - 1);
        const int band = std::min(bands - 1, position / 16);
        // Each band stays a solid colour for most of its height and crosses to
        // the next over a narrow dithered seam, as a painted sky is banded.
        const int within = std::clamp((position - band * 16 - 6) * 4, -1, 16);
        for (int px = 0; px < w; ++px) {
            const bool next = within > bayer[(y + py) & 3][(x + px) & 3];
            plot(x + px, y + py, colours[band + (next ? 1 : 0)]);
        }
    }
}

void Canvas::stars(int x, int y, int w, int h, int count, int seed, QRgb colour) {
    std::uint32_t state = static_cast<std::uint32_t>(seed) * 2654435761u + 1u;
    const auto next = [&state]() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    for (int i = 0; i < count; ++i) {
        plot(x + static_cast<int>(next() % static_cast<std::uint32_t>(w)),
             y + static_cast<int>(next() % static_cast<std::uint32_t>(h)), colour);
    }
}

void Canvas::blit(const QImage& picture, int x, int y, int zoom, bool mirrored) {
    const int left = (x + originX_) * scale_;
    const int top = (y + originY_) * scale_;
    for (int py = 0; py < picture.height() * zoom; ++py) {
        for (int px = 0; px < picture.width() * zoom; ++px) {
            const int sx = mirrored ? picture.width() - 1 - px / zoom : px / zoom;
            const QRgb colour = picture.pixel(sx, py / zoom);
            const int tx = left + px, ty = top + py;
            if (qAlpha(colour) != 0 && tx >= 0 && ty >= 0 && tx < image_.width() &&
                ty < image_.height()) {
                image_.setPixel(tx, ty, colour);
            }
        }
    }
}

void Canvas::text(const PixelFont& font, int x, int y, const std::string& text, QRgb colour,
                  int size, int align) {
    const int width = font.width(text) * size;
    int penX = align == 0 ? x : align == 1 ? x - width / 2 : x - width;
    for (char letter : text) {
        const auto* rows = font.glyph(letter);
        const int advance = rows != nullptr ? static_cast<int>(rows->front().size()) : 3;
        for (int row = 0; rows != nullptr && row < 7; ++row) {
            for (int column = 0; column < advance; ++column) {
                if ((*rows)[row][column] != '.') {
                    rect(penX + column * size, y + row * size, size, size, colour);
                }
            }
        }
        penX += (advance + 1) * size;
    }
}

namespace {

// An uncompressed 24-bit bottom-up BMP file image of the picture.
std::vector<char> bmpBytes(const QImage& picture) {
    const auto width = static_cast<std::uint32_t>(picture.width());
    const auto height = static_cast<std::uint32_t>(picture.height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * height;
    std::vector<char> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    world::appendLittleEndian(bytes, 54 + pixelBytes, 4); // file size
    world::appendLittleEndian(bytes, 0, 4);               // reserved
    world::appendLittleEndian(bytes, 54, 4);              // pixel offset
    world::appendLittleEndian(bytes, 40, 4);              // info header size
    world::appendLittleEndian(bytes, width, 4);
    world::appendLittleEndian(bytes, height, 4); // positive: bottom-up rows
    world::appendLittleEndian(bytes, 1, 2);      // planes
    world::appendLittleEndian(bytes, 24, 2);     // bits per pixel
    world::appendLittleEndian(bytes, 0, 4);      // no compression
    world::appendLittleEndian(bytes, pixelBytes, 4);
    world::appendLittleEndian(bytes, 2835, 4); // 72 dpi
    world::appendLittleEndian(bytes, 2835, 4);
    world::appendLittleEndian(bytes, 0, 4);
    world::appendLittleEndian(bytes, 0, 4);
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            bytes.push_back(static_cast<char>(qBlue(colour)));
            bytes.push_back(static_cast<char>(qGreen(colour)));
            bytes.push_back(static_cast<char>(qRed(colour)));
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) {
            bytes.push_back(0);
        }
    }
    return bytes;
}

} // namespace

void writePicture(const QImage& picture, const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    if (file.extension() == ".png") {
        if (!picture.save(QString::fromStdString(file.string()), "PNG")) {
            throw ArtError("cannot write " + file.string());
        }
        return;
    }
    const auto bytes = bmpBytes(picture);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw ArtError("cannot write " + file.string());
    }
}

} // namespace assets
