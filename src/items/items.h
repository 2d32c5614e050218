// The special items: the item icons' clicks, the "Use" / "Don't use" pair of the single-use
// items and what each item does when it is used.
#pragma once

#include <string_view>

namespace game {
struct Game;
}

namespace items {

// Image4Click .. Image17Click: a click on the icon of a clickable item (only while the icon is
// enabled and the item held). The orbs open their view; the other items ask "Use" first.
template <int Image> void ImageClick(game::Game& game);

// Button37Click: "Don't use" closes the pair and gives input back.
void Button37Click(game::Game& game);

// Button38Click: "Use" closes the pair and carries out the item's effect.
void Button38Click(game::Game& game);

// The click on an icon, by its picture number (Image4 .. Image17).
void iconClicked(game::Game& game, int image);

template <int Image> void ImageClick(game::Game& game) {
    iconClicked(game, Image);
}

} // namespace items
