// The monster table every game starts from: the 33 kinds of monster with their life, offense,
// defense and gold. Each game holds its own copy, since Zeno's row changes during play.
#pragma once

#include <array>
#include <cstdint>

namespace combat {

inline constexpr int kMonsterTypes = 33;

// Monster kinds the game singles out by number. The numbers index the table below.
namespace Monster {
enum : int {
    GreenSlime = 0,
    Zombie = 12,
    ZombieKnight = 13,
    Zeno = 15,
    Vampire = 17,
    BigOctopus = 18,
    Dragon = 19,
    GreatMagicMaster = 26,
};
} // namespace Monster

// One row of the monster table; life, offense and defense grow with the lap, gold never.
struct MonsterRow {
    std::int32_t life = 0;
    std::int32_t offense = 0;
    std::int32_t defense = 0;
    std::int32_t gold = 0;
};

using MonsterTable = std::array<MonsterRow, kMonsterTypes>;

// The table every game starts from, indexed by monster kind.
inline constexpr MonsterTable kMonsterStats = {{
    {35, 18, 1, 1},          // Green Slime
    {45, 20, 2, 2},          // Red Slime
    {130, 60, 3, 8},         // Big Slime
    {35, 38, 3, 3},          // Bat
    {60, 32, 8, 5},          // Priest
    {100, 95, 30, 22},       // Superion Priest
    {50, 48, 22, 12},        // Gate-Keeper C
    {100, 180, 110, 100},    // Gate-Keeper B
    {50, 42, 6, 6},          // Skeleton C
    {55, 52, 12, 8},         // Skeleton B
    {100, 65, 15, 30},       // Skeleton A
    {60, 100, 8, 12},        // Big Bat
    {260, 85, 5, 18},        // Zombie
    {320, 120, 15, 30},      // Zombie Knight
    {20, 100, 68, 28},       // Rock
    {8000, 5000, 1000, 500}, // The Magic Sergeant, Zeno
    {230, 450, 100, 100},    // The Magic Sergeant
    {444, 199, 66, 144},     // Vampire
    {1200, 180, 20, 100},    // Big Octopus
    {1500, 600, 250, 800},   // Dragon
    {120, 150, 50, 100},     // Golden Knight
    {160, 230, 105, 65},     // Knight
    {100, 680, 50, 55},      // Swordsman
    {210, 200, 65, 45},      // Soldier
    {220, 180, 30, 35},      // Ghost Soldier
    {320, 140, 20, 30},      // Slime Man
    {4500, 560, 310, 1000},  // Great Magic Master
    {200, 390, 90, 50},      // Bloodsucker Bat
    {360, 310, 20, 40},      // King Slime
    {200, 380, 130, 90},     // Magician A
    {220, 370, 110, 80},     // Magician B
    {180, 430, 210, 120},    // Black Knight
    {180, 460, 360, 200},    // Gate-Keeper A
}};

} // namespace combat
