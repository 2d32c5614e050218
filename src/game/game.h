// Game: the one object that owns the whole state of a running game.
#pragma once

#include "world/status.h"
#include "world/tower_map.h"

#include <cstdint>
#include <string>

namespace game {

struct Game {
    world::Status status; // the hero's progress, saved whole
    world::TowerMap map;  // every floor as it stands now, saved whole

    // The message line: 1 shows composedMessage, any other value v catalogue line v + 127.
    std::int32_t messageSelector = 0;
    std::string composedMessage;

    std::int32_t heroCell = 0;   // cell of the hero before a step
    std::int32_t targetCell = 0; // cell the hero is about to enter
};

} // namespace game
