// Doors for setting up a position by hand, as the headless driver's scripts and recorded
// games do: a changed slot, tile or hero place, a saved game put in place, the item cursor
// moved, and the game written to any file. Each change is drawn at once, as the player would
// see it.
#pragma once

#include "io/saved_game.h"

#include <cstdint>
#include <optional>
#include <string>

namespace game {

struct Game;

// Status[slot] := value. A slot that places the hero (floor, x, y) takes only a value the map
// has: anything else is refused with the reason and nothing changes.
std::optional<std::string> setStatus(Game& game, int slot, std::int32_t value);

// The tile of a cell (floor 0..50, cell 0..120). False, with nothing changed, off the map.
bool setTile(Game& game, int floor, int cell, std::uint8_t code);

// The hero on a floor at x, y (0..10). False, with nothing changed, off the map.
bool placeHero(Game& game, int floor, int x, int y);

// A saved game (read and checked by the caller) put in place as a load from the menu does,
// without its message and its music: the opening ends and play goes on from the saved place,
// the whole saved image in play (the start-staircase mark included).
void putSavedGame(Game& game, const io::LoadedGame& saved);

// The item cursor over item slot 0..14 (false, nothing changed, for any other slot).
bool placeItemCursor(Game& game, int slot);

// The game in play written to a file as Save writes it, checksums stamped and the file
// replaced whole, without touching the game in play. The error text, or nothing.
std::optional<std::string> saveGameTo(const Game& game, const std::string& path);

} // namespace game
