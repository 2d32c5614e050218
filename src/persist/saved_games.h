// Saved games: the eight slots of the Load and Save menus (save1.dat..save8.dat in the save
// folder) and the scratch copy save0.dat, written before every load and whenever the Ranking
// window opens.
#pragma once

#include "io/saved_game.h"
#include "state/game_fwd.h"
#include "world/status.h"
#include "world/tower_map.h"

#include <optional>
#include <string>

namespace persist {

// A saved game read whole, the one check for every way a saved game enters play (the Load
// menu and a recording's start save): a missing or unreadable file is Missing;
// one of any other length than a saved game's, with wrong marker or sums, or holding a value
// that play could never have given it (validateLoadedValues) is Damaged.
enum class Reading { Missing, Damaged, Good };
struct ReadGame {
    Reading reading = Reading::Missing;
    io::LoadedGame game;
};
ReadGame readSavedGame(const std::string& path);

// Write a game to save0.dat and remember the bytes written (the Ranking window's hand-over);
// the error text or nothing.
std::optional<std::string> writeScratchCopy(game::Game& game, const world::TowerMap& map,
                                            const world::Status& status);

// Write the game in play to save0.dat; a failure is told in a message box.
void writeScratch(game::Game& game);

// The in-memory half of a load: the map, the status and its seven words of a game whose
// values were checked are put in play in one piece and the screen is set up for them, as
// loadwork does after reading a good file (no message, no music).
void putInPlay(game::Game& game, const io::LoadedGame& loaded);

// loadwork: read the saved game at path into the game in play when its marker and sums are
// right ("Loaded the data."); a missing file only says "There is no saving data." and a
// damaged, short or long one is refused with "Donot use this save data.", the game in play
// untouched. The music stops for the reading and the floor's music starts afterwards.
void loadwork(game::Game& game, const std::string& path);

// savework: stamp the sums and write the game to path, asking "Overwrite. Is it true?" first
// when the file exists ("Saved the data."; a folder that cannot be written gets a message box).
void savework(game::Game& game, const std::string& path);

// The Load menu's eight slot entries: load slot n (1..8), after ending the opening (a new game on
// the game screen, as its last frame leaves it) and keeping the game in save0.dat; the slot gets
// the Load menu's only check mark.
void loadSlot(game::Game& game, int slot);

// The Save menu's eight slot entries: save to slot n (1..8); the slot gets the Save menu's only
// check mark.
void saveSlot(game::Game& game, int slot);

// The menu handlers of slot n, one instance per entry of the Load and Save menus.
template <int Slot> void LoadClick(game::Game& game) {
    loadSlot(game, Slot);
}
template <int Slot> void SaveClick(game::Game& game) {
    saveSlot(game, Slot);
}

} // namespace persist
