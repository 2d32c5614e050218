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
