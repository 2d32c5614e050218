// Drawing on pictures at a chunky pixel size, the pixel font, and writing the
// finished pictures as the uncompressed BMP files the game reads.
#pragma once

#include "art.h"

#include <QImage>
#include <QPoint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace assets {

// The game's lettering: glyphs of a few pixels drawn from data/art/font.txt.
class PixelFont {
  public:
    static PixelFont load(const std::filesystem::path& file);
    // Width of a text in font pixels, one pixel between letters.
    int width(const std::string& text) const;
    int height() const { return 7; }
    const std::vector<std::string>* glyph(char letter) const;

  private:
    std::map<char, std::vector<std::string>> glyphs_;
};

// A picture drawn in logical pixels: each one covers scale x scale picture pixels.
class Canvas {
  public:
    Canvas(int width, int height, int scale);
    const QImage& image() const { return image_; }
    int scale() const { return scale_; }
    // Moves the logical origin (used by reusable drawing pieces).
    void translate(int dx, int dy);

    void plot(int x, int y, QRgb colour);
    void rect(int x, int y, int w, int h, QRgb colour);
    void ellipse(int x, int y, int w, int h, QRgb colour);
    void polygon(const std::vector<QPoint>& points, QRgb colour);
    void line(int x0, int y0, int x1, int y1, QRgb colour);
    // Vertical gradient through the colours: solid bands joined by narrow dithered seams.
    void gradient(int x, int y, int w, int h, const std::vector<QRgb>& colours);
    // Scatters single-pixel stars deterministically.
    void stars(int x, int y, int w, int h, int count, int seed, QRgb colour);
    // Draws a picture (its own pixels, zoomed) at a logical place; clear pixels stay.
    void blit(const QImage& picture, int x, int y, int zoom, bool mirrored);
    // Writes text with its left edge at x (align 0), centred (1) or right edge at x (2).
    void text(const PixelFont& font, int x, int y, const std::string& text, QRgb colour, int size,
              int align);

  private:
    QImage image_;
    int scale_;
    int originX_ = 0;
    int originY_ = 0;
};

// Writes a picture: ".png" as PNG, anything else as an uncompressed 24-bit BMP.
void writePicture(const QImage& picture, const std::filesystem::path& file);

} // namespace assets
