// The play field: the two animation frames of the current floor, the hero laid over his tile,
// the animation tick and the floor-change wipe.
#pragma once

#include "picture/picture.h"
#include "picture/surface.h"
#include "state/game_fwd.h"

#include <array>
#include <cstdint>

namespace render {

// The order in which a whole floor is drawn: anticlockwise rings from cell 0 inwards, ending
// on the centre cell 60. Position i of the game's count (1..121) is kSpiral[i - 1].
extern const std::array<int, 121> kSpiral;

// kasanegaki: lay sprite over tile through mask, in place in tile, by exactly
// sprite := sprite OR mask; mask := NOT mask; tile := tile OR mask; tile := tile AND sprite.
// The result shows the sprite where the mask is black and the tile where it is white. All
// three pictures must have the same size; sprite and mask are changed on the way.
void kasanegaki(Picture& tile, Picture& sprite, Picture& mask);

// The mask composition of sprite and mask (same size) over the rectangle of dest at (x, y),
// by kasanegaki on copies, clipped to dest.
void kasanegakiAt(Picture& dest, int x, int y, const Picture& sprite, const Picture& mask);

// The mask composition of a 32 x 32 sprite and mask over the cell-sized square of dest at
// (x, y), in place, pixel for pixel as kasanegaki gives it on blank buffers: a missing sprite
// counts as black and a missing mask as white. The square must lie inside dest.
void kasanegakiOnto(Surface& dest, int x, int y, const Picture* sprite, const Picture* mask);

// Picture n of a list of 32 x 32 pictures at (x, y) of dest, or a black cell when the list has
// no picture n (as a blank buffer would show).
void drawCellPicture(Surface& dest, int x, int y, const PictureList& list, int n);

// imagework: the frame-B step k of a tile code (frame B shows picture c - 1 + k).
int imagework(const game::Game& game, std::uint8_t code);

// mhyouji: redraw the whole current floor into both frames along the spiral order. Also
// forgets the stairs-beside-the-hero word (Status[166]). Neither shows nor draws the hero.
void mhyouji(game::Game& game);

// The single-cell redraw: cell n of the current floor into frame A (picture c - 1) and
// frame B (picture c - 1 + k).
void redrawCell(game::Game& game, int cell);

// yusyahyouji: compose hero sprite picture q (mask q + 1, both of imageList1) over the
// frame-A picture of the tile under the hero's drawing position; the result is left in
// the tile buffer.
void yusyahyouji(game::Game& game, int q);

// yusyahyouji1: draw the hero standing on his cell (Status[6], Status[7]) in both frames:
// pose 1 in frame B, pose 2 in frame A. Nothing for a facing outside 1..4.
void yusyahyouji1(game::Game& game);

// Paint the tile buffer into a frame at the hero's drawing position.
void paintHeroCell(game::Game& game, Surface& frame);

// show: frame A onto the window at the play-field origin.
void show(game::Game& game);

// Frame A or frame B onto the window at the play-field origin. Only the cells where the window
// does not show that frame's picture already are copied: the drawing calls note what they
// change in the frames and on the window.
void showFrame(game::Game& game, bool frameB);

// Paint a picture straight onto the window (the screen picture) at (x, y).
void paintOnWindow(game::Game& game, int x, int y, const Picture& picture);

// Paint picture n of imageList1 straight onto the window over play-field cell `cell`.
void paintCellOnWindow(game::Game& game, int cell, int n);

// Timer1Timer: the animation tick. Shows the frame of the phase, repaints the hero there with
// pose 3 (unless Status[12] hides him), flips the phase and draws the keys once per new game.
void Timer1Timer(game::Game& game);

// takowork1 / takowork2: after the Big Octopus (floor 15) or the Dragon (floor 35) died,
// repaint the eight cells they left around the hero as road in frame A / frame B, at most
// twice per floor in a game (Status[152], Status[153] count the repaints).
void takowork1(game::Game& game);
void takowork2(game::Game& game);

// One step of the floor-change wipe at spiral position `position` (1..121). Mode 0 covers the
// cell with the blank picture on the window; mode 1 redraws the cell of the new floor in both
// frames, the hero if he stands there, and paints it on the window. The sound at the first
// step and the restart of the timers after the last belong to the command that calls this.
void wipeStep(game::Game& game, int mode, int position);

} // namespace render
