// The dialogs that the command stack opens: the scripted message boxes and the game over.
#pragma once

#include "state/game_fwd.h"

namespace explore {

// zyouout for the dialogs of the command stack: DialogKind 9 pushes and plays the game-over
// script; DialogKind 10 + n shows scripted dialog n in the text box with "OK".
void zyouout(game::Game& game);

// Button1Click: the dialog's "OK": marks a scripted dialog as seen and resumes its script, or
// closes a character's talk and reopens input.
void Button1Click(game::Game& game);

} // namespace explore
