// The input lock: close and reopen all player input around every dialog and script.
#pragma once

#include "state/game_fwd.h"

namespace script {

// itemdel: close input (arrow buttons under mouse control, clickable item icons, the Ranking,
// Load, Save and Options menu entries).
void itemdel(game::Game& game);

// itemlive: reopen input and decide which held items can be used; does nothing while the Orb
// of Hero waits for the OK of its dialog.
void itemlive(game::Game& game);

// True when the Options menu entry is enabled: the key handler's sign that input is open.
bool optionsEnabled(const game::Game& game);

} // namespace script
