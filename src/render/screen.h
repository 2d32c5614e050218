// The window's pictures: loading the pictures of the data/ folder at start-up, and the
// drawing half of setting the window up for play after a new or loaded game.
#pragma once

#include "picture/bmp.h"
#include "state/game_fwd.h"

#include <optional>
#include <string_view>

namespace render {

// Start-up steps 6 to 8: load "center.bmp", "left.bmp" and "right.bmp" into Image1, Image2 and
// Image3, the three picture files into imageList1/3/2, and make the drawing buffers. The first
// missing or damaged file ends the loading and is returned; the steps after it do not run.
std::optional<PictureError> loadPictures(game::Game& game);

// The drawing steps of setting up play (syokidata2 steps 1, 2, 5 to 8 and 10, and the
// drawing resets of step 4: key display not yet drawn, frame B shown next): hide every
// dialogue control, load the side-panel and title pictures (the "r" ones in a later lap)
// and compose them into the screen buffer; unless the opening runs (Timer4 on): redraw the
// floor, show the centre and side pictures, the sword, shield, keys and all fifteen item
// icons, clear the monster panel, redraw the status panel and draw the hero; always the
// message line. A missing picture file is returned; the drawing goes on without it.
std::optional<PictureError> resetPlayScreen(game::Game& game);

// Show a background picture control (Image1, Image2, Image3 or Image23): make it visible and
// paint its picture onto the screen picture at its place.
void showBackground(game::Game& game, std::string_view control);

} // namespace render
