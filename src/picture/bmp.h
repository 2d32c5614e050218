// Reading and writing BMP files: uncompressed 1, 4, 8, 24 and 32 bits per pixel, bottom-up or
// top-down, in; 24 bits per pixel out. A damaged file is an error value, never a crash.
#pragma once

#include "picture/picture.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace render {

// What went wrong with a picture file: the file's name and the problem in plain words.
struct PictureError {
    std::string file;
    std::string problem;

    std::string text() const { return file + ": " + problem; } // for the player's message box
};

// A decoded picture, or the reason why there is none.
struct PictureResult {
    Picture picture; // empty when error is set
    std::optional<PictureError> error;

    bool ok() const { return !error.has_value(); }
};

// The largest picture the reader accepts; anything larger is taken for a damaged file, so a
// bad header never makes the reader ask for gigabytes.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr long long kMaxPicturePixels = 16LL * 1024 * 1024;

// Decode the bytes of a BMP file; `name` only names the file in an error.
PictureResult decodeBmp(std::span<const std::uint8_t> bytes, std::string_view name);

// Read and decode a BMP file (any extension: the ".dq" picture files are BMPs too).
PictureResult readBmp(const std::string& path);

// The bytes of a bottom-up 24-bit BMP file of the picture.
std::vector<std::uint8_t> encodeBmp24(const Picture& picture);

// Write the picture as a 24-bit BMP file; an error when the file cannot be written.
std::optional<PictureError> writeBmp24(const std::string& path, const Picture& picture);

} // namespace render
