// The state of our own extras: the damage forecast on the map, click to walk and the
// recorder. None of it is saved with the game; the switches live in extras.ini.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace extras {

class Recorder;

struct ExtrasState {
    bool damageOnMap = false; // "E&xtras/&Damage on Map"
    bool clickToWalk = true;  // "E&xtras/&Click to Walk"

    std::optional<int> walkTarget; // the clicked cell while the hero walks towards it

    std::shared_ptr<Recorder> recorder; // writes every accepted input while set
    std::string recordWhenQuiet;        // a recording to begin at the next quiet moment
    std::int64_t lastTickMs = 0;        // the shell's clock at the last timer tick
    bool replaying = false;             // a recording plays: the player's input is closed
    bool hintWanted = false; // "E&xtras/&Hint" chosen: the window starts looking, then clears it
};

} // namespace extras
