// Picture lists for games that draw without the built picture files: picture n of the tile
// list is a plain square of colour n, so that a test can tell which one is shown; the monster
// list is white and the four small pictures are plain.
#pragma once

#include "picture/picture.h"
#include "state/game.h"
#include "state/render_state.h"

namespace testing_game {

inline void usePlainPictureLists(game::Game& game) {
    for (int n = 0; n < 218; ++n)
        game.render.imageList1.pictures.emplace_back(32, 32, static_cast<render::Pixel>(n));
    game.render.imageList3.pictures.assign(159, render::Picture(32, 32, render::kWhite));
    game.render.imageList2.pictures.assign(4, render::Picture(16, 16, 1));
}

} // namespace testing_game
