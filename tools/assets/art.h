// The readable sources of the game's pictures: the palette, the sprite book and
// the small line-based text formats they are written in.
#pragma once

#include <QImage>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace assets {

// A mistake in a picture source, reported with the file and line that holds it.
struct ArtError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One meaningful line of a source file: comments and blank lines are gone.
struct SourceLine {
    std::string place; // "file:line" for messages
    std::string text;
};

// Reads a source file into its meaningful lines; '#' starts a comment.
std::vector<SourceLine> readSourceLines(const std::filesystem::path& file);

// Splits a line into words at spaces; a "quoted text" stays one word without its quotes.
std::vector<std::string> splitWords(const std::string& text);

// Parses a whole decimal number or throws an ArtError naming the line.
int toInt(const std::string& word, const SourceLine& line);

// Throws an ArtError for the line with the given complaint.
[[noreturn]] void fail(const SourceLine& line, const std::string& complaint);

// The one palette of the game: every character of a sprite grid names a colour.
class Palette {
  public:
    // Loads "KEY #RRGGBB name" lines; '.' is reserved for a clear pixel.
    static Palette load(const std::filesystem::path& file);
    bool has(char key) const { return colours_.count(key) != 0; }
    // The colour of a key, or an ArtError for the line that used an unknown one.
    QRgb colour(char key, const SourceLine& user) const;

  private:
    std::map<char, QRgb> colours_;
};

// A figure or tile drawn from a grid: each frame is a transparent-background image.
struct Sprite {
    std::map<std::string, QImage> frames;
};

// Every sprite of the data/art/sprites folder, by name, rendered at game size.
class SpriteBook {
  public:
    static SpriteBook load(const std::filesystem::path& folder, const Palette& palette);
    // A rendered frame; an ArtError names the line that asked for a missing one.
    const QImage& frame(const std::string& sprite, const std::string& frame,
                        const SourceLine& user) const;
    void add(const std::string& name, Sprite sprite);
    const Sprite* find(const std::string& name) const;

  private:
    std::map<std::string, Sprite> sprites_;
};

// Everything the builder draws from: palette and sprites of one art folder.
struct Art {
    std::filesystem::path folder;
    Palette palette;
    SpriteBook sprites;

    static Art load(const std::filesystem::path& folder);
};

} // namespace assets
