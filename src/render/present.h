// The presenting step: what the side panels show is part of the game's state (the panel view
// of RenderState); present writes whatever changed of it into the window model. Every door of
// game/events.h and game/setup.h ends with it, so the shell and the driver always find the
// window as the state says.
#pragma once

#include "state/game_fwd.h"

#include <string_view>

namespace render {

// present: write the fields of the panel view that changed since the last call into the main
// window's controls.
void present(game::Game& game);

// The keyboard item cursor over an item's icon, shown: the picture the icon shows (presented
// or not) inside a yellow frame.
void showItemCursor(game::Game& game, std::string_view icon);

} // namespace render
