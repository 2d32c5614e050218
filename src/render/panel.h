// The status panel: floor label, numbers and message line, sword, shield and item icons, the
// key display, set in the panel view that render::present writes into the window; and the
// focus of the arrow buttons.
#pragma once

#include "state/game_fwd.h"

#include <cstdint>
#include <string>

namespace render {

// The floor label: "Tower", two spaces below floor 10 and one from 10 on, the floor, " F".
std::string floorLabel(std::int32_t floor);

// disp: redraw the floor label (Memo11), the four numbers (Memo1..Memo4) and the message line
// (Edit8: ComposedMessage for selector 1, else catalogue line selector + 127).
void disp(game::Game& game);

// The hero's life in its field (Memo1), as blows and traps change it between two disp.
void showLife(game::Game& game);

// itemdisp: redraw the sword and shield pictures, names and hints (Image19, Memo9, Image20,
// Memo10) and the fifteen item icons with their hints (Image4..Image18).
void itemdisp(game::Game& game);

// Show or hide all fifteen item icons.
void showItemIcons(game::Game& game, bool shown);

// The sword's and the shield's hints stop popping up (a full-window picture covers them).
void hideEquipmentHints(game::Game& game);

// keydisplay: redraw the key display (Image32): red, then blue, then yellow icons in 24
// places, the empty icon in the rest; hidden when the hero holds no key.
void keydisplay(game::Game& game);

// buttonfocus: give the keyboard focus to the arrow button of direction repeatAction
// (1 up BitBtn1, 2 left BitBtn2, 3 right BitBtn3, 4 down BitBtn4) if it is visible.
void buttonfocus(game::Game& game, std::int32_t repeatAction);

} // namespace render
