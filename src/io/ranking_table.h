// The five top-ten lists of the fairy's checkpoints as the game holds them: a table of 12 rows
// by 6 columns of 32-bit words per list, and the names of its ten places.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace io {

inline constexpr int kRankingLists = 5; // list n = 1..5 for the floors 10, 20, 25, 40, 49
inline constexpr int kPlaces = 10;
inline constexpr int kTableRows = 12;
inline constexpr int kTableColumns = 6;
inline constexpr std::size_t kTableBytes = std::size_t{kTableRows} * kTableColumns * 4; // 288

// Columns of the table.
namespace Column {
enum : int {
    Points = 0,
    Life = 1,
    Offense = 2,
    Defense = 3,
    RowSum = 4,    // points + life + offense + defense
    RowAltSum = 5, // points - life + offense - defense + row sum
};
}
// Rows of the table after the ten places.
inline constexpr int kSumRow = 10;    // the column sums of the places
inline constexpr int kAltSumRow = 11; // the column alternating sums; column 5 the version word

// One table as it is stored, row by row.
struct RankingTable {
    std::array<std::array<std::int32_t, kTableColumns>, kTableRows> cells{};

    std::int32_t& at(int row, int column) {
        return cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    std::int32_t at(int row, int column) const {
        return cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    // The place's points, life, offense and defense (place 1..10).
    std::int32_t points(int place) const { return at(place - 1, Column::Points); }
};

// The names of places 1..10.
using RankingNames = std::array<std::string, kPlaces>;

} // namespace io
