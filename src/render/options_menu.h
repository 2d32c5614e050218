// The Options menu as a view of the game's options: its check marks are written from the
// Options value (and the sound-effects switch from the game's own Status[89]), never read back.
#pragma once

#include "state/option_choices.h"

#include <string_view>

namespace game {
struct Game;
}

namespace render {

// Put every check mark of the Options menu where the options stand: the font pair (none when
// the sizes are no pair of the menu), the speed, the control mode, the prologue, the music and
// the sound effects as they are now.
void showOptions(game::Game& game);

// The menu entry of a speed and of a control mode.
std::string_view speedEntry(game::Speed speed);
std::string_view controlModeEntry(game::ControlMode mode);

} // namespace render
