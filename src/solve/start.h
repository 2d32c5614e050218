// Where a search starts: a new game, on the tower of a folder of floor files when one is
// given, or a saved game.
#pragma once

#include "solve/player.h"

#include <string>
#include <variant>

namespace solve {

// A new game read from the game folder (or the saved game `save` when it is not empty), with
// every floor replaced by the floor files of `floors` when that is not empty. The error names
// the file that could not be read.
std::variant<Position, std::string>
startPosition(const std::string& gameFolder, const std::string& floors, const std::string& save);

} // namespace solve
