// The monster table: the 33 kinds of monster, their statistics, names and pictures.
#pragma once

#include "state/game_fwd.h"
#include "state/monster_table.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace combat {

// A monster as the hero meets it: life, offense and defense times the lap factor.
struct MonsterStrength {
    std::int32_t life = 0;
    std::int32_t offense = 0;
    std::int32_t defense = 0;
};

// The kind of monster standing on a tile, or nothing when the tile holds none.
std::optional<int> monsterTypeOfTile(std::uint8_t code);

// The kind of a one-cell monster standing on a tile (the big monsters excluded).
std::optional<int> oneCellMonsterOfTile(std::uint8_t code);

// True for the head tile of the Big Octopus or the Dragon, whose fight clears all nine cells.
bool isLargeMonsterHead(std::uint8_t code);

// Tile picture of a monster kind: its first animation picture, the head for the big two.
int monsterPicture(int type);

// Catalogue line of a monster's name; kinds outside the catalogue read "The Name".
int monsterNameLine(std::int32_t type);

// The game's row for a monster kind 0..32 (Zeno's row changes during play).
const MonsterRow& monsterRow(const game::Game& game, int type);

// The life, offense and defense of a monster kind in the current lap.
MonsterStrength monsterStrength(const game::Game& game, int type);

// monswork: name the current monster (MonsterName) from the catalogue.
void monswork(game::Game& game);

// The Magic Sergeant Zeno's row as a rebuilt world has it, after the weakened-Zeno flag.
void resetZenoRow(game::Game& game);

// The floor-49 weakening: once, Zeno's life, offense and defense drop to a tenth.
void weakenZeno(game::Game& game);

// The floor-24 restoring: a weakened Zeno regains ten times his life, offense and defense.
void restoreZeno(game::Game& game);

// Zeno's row for a later lap's fight on floor 24: 1000, 625, 125 before the lap factor.
void setLaterLapZeno(game::Game& game);

} // namespace combat
