// The sound module's part of the game: what the music player holds.
#pragma once

#include <string>

namespace sound {

struct SoundState {
    // The file the music player was last opened with. Closing the player keeps it, and a
    // track without a file of its own (0, or floor 0 chosen no track) plays it again.
    std::string musicFile;
};

} // namespace sound
