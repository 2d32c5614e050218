// The dialogue box of the characters: merchants, old men, the altar and the fairy talk through
// the text box over the play field and its "OK", "Yes" and "No" buttons.
#pragma once

#include "state/game_fwd.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace characters {

// Catalogue line n as a string.
std::string lineText(int n);

// Open the text box with a text at its place over the play field, in the dialogue font; the
// answer buttons are laid out at its lower right corner, all hidden.
void openBox(game::Game& game, std::string text);

// Show one of the box's buttons ("Button1" OK, "Button2" Yes, "Button7" No).
void showButton(game::Game& game, std::string_view name);

// True when a button of the main window is shown and enabled, so the player can click it.
bool answerable(const game::Game& game, std::string_view name);

// Give the keyboard focus to one control of the main window.
void focus(game::Game& game, std::string_view name);

// Clear and hide the text box.
void closeBox(game::Game& game);

// Close the box with the game reopened to the player, the arrow buttons focused under mouse
// control, and the status panel redrawn.
void endTalk(game::Game& game);

// Show "OK" alone under the text in the box, focused.
void showOk(game::Game& game, std::string text);

// zyouout for a character's line (DialogKind 0): line 62 + AdviceIndex in the box, with "OK".
void zyouout(game::Game& game);

// Button2Click: "Yes" to a merchant's offer or to the altar's offer.
void Button2Click(game::Game& game);

// Button7Click: "No": nothing is bought, the box closes and input reopens.
void Button7Click(game::Game& game);

} // namespace characters
