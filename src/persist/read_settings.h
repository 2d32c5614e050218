// Reading KRN10.INI at start-up into the game's folders.
#pragma once

#include "state/game_fwd.h"

#include <optional>
#include <string>

namespace persist {

// Read KRN10.INI from the configuration folder (writing it anew when missing or short), keep
// its lines, and take the save folder from line 0, creating that folder when missing. The
// default save folder is the one the game's folders name before the call. Returns the error
// text when the file cannot be written.
std::optional<std::string> readSettings(game::Game& game);

} // namespace persist
