// The keys the main window passes on to the game.
#pragma once

namespace game {

enum class Key { Up, Down, Left, Right, Enter, Escape };

} // namespace game
