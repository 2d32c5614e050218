// Readers of the game's text data: floor files and the message catalogue.
// Used at build time to compile the data in, and by the tools that check it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace world {

inline constexpr int kCatalogueLines = 268;

// A problem found in a data file: the file, the 1-based line and what is wrong.
struct FormatError {
    std::string file;
    int line = 0;
    std::string message;
    std::string describe() const;
};

// One floor as written in its file: the two arrival cells, then 121 tile codes row by row.
struct FloorData {
    std::uint8_t arrivalUp = 0;
    std::uint8_t arrivalDown = 0;
    std::array<std::uint8_t, 121> cells{};
};

// Floor file: '#' starts a comment, blank lines are ignored, then "arrival UP DOWN"
// and exactly 11 rows of exactly 11 decimal tile codes.
std::variant<FloorData, FormatError> parseFloor(std::string_view text, const std::string& fileName);

// Catalogue file: exactly 268 lines "NNN|text", NNN the line number as three digits.
// Only printable ASCII; a line may be empty only where the game expects it.
std::variant<std::vector<std::string>, FormatError> parseCatalogue(std::string_view text,
                                                                   const std::string& fileName);

// Lines the game leaves empty on purpose.
bool catalogueLineMayBeEmpty(int n);

} // namespace world
