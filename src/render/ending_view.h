// The Ending window's slideshow: the slides at full size, the last one shrinking about the
// window's centre, "The End" unrolling from the top.
#pragma once

#include "picture/picture.h"
#include "state/game_fwd.h"

namespace render {

// The window laid over the main window's play area above the message line, white, showing
// the first picture at full size, with the final picture and the button loaded and hidden.
void openEndingView(game::Game& game, Picture first, Picture final, Picture button);

// A slide at the window's full size.
void showEndingSlide(game::Game& game, Picture slide);

// Tick k of the shrinking slide (the window turns white at the first).
void shrinkEndingSlide(game::Game& game, int k, const Picture& slide, const Picture& theEnd);

// Tick k of "The End" unrolling: its first k + 1 rows (the slide goes at the first).
void unrollTheEnd(game::Game& game, int k, const Picture& theEnd);

} // namespace render
