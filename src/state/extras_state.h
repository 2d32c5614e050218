// The state of our own extras: the damage forecast on the map, click to walk, the recorder
// and the moves that can be taken back. None of it is saved with the game; the switches live
// in extras.ini.
#pragma once

#include "world/status.h"
#include "world/tower_map.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

namespace extras {

class Recorder;

// A position the hero can be taken back to: the saved game as it stood (map, status and its
// seven words), with what the screen showed besides: the item cursor, the message line and
// the monster panel.
struct UndoPosition {
    world::TowerMap map;
    world::Status status;
    std::int16_t cursorSlot = 0;
    std::int32_t messageSelector = 0;
    std::string composedMessage;
    std::int32_t monster = 0;
};

struct ExtrasState {
    bool damageOnMap = false; // "E&xtras/&Damage on Map"
    bool clickToWalk = true;  // "E&xtras/&Click to Walk"

    std::optional<int> walkTarget; // the clicked cell while the hero walks towards it

    std::shared_ptr<Recorder> recorder; // writes every accepted input while set
    std::string recordWhenQuiet;        // a recording to begin at the next quiet moment
    std::int64_t lastTickMs = 0;        // the shell's clock at the last timer tick
    bool replaying = false;             // a recording plays: the player's input is closed
    bool hintWanted = false; // "E&xtras/&Hint" chosen: the window starts looking, then clears it

    bool allowUndo = false; // "E&xtras/Allow &Undo"
    // Off in a game that never takes a move back (each game of the route finder plays millions
    // of moves): no position is kept, whatever the switch and the driver say.
    bool keepMoves = true;
    std::deque<UndoPosition> undoPast;   // the positions behind, the one in play at the back
    std::deque<UndoPosition> undoFuture; // the positions taken back, the next redo at the back
};

} // namespace extras
