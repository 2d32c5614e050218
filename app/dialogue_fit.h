// The dialogue box as tall as what it holds: its text (and the speaker's face), then the row of
// OK, Yes and No at its lower right corner, or the altar's four choices. The box keeps its
// place and width over the play field; it only stops short of the empty rows below its text.
#pragma once

#include "control_mirror.h"

namespace game {
struct Game;
}

namespace shell {

// Size the box's widget to what it shows now and put the visible answer buttons at its lower
// right corner, as far from it as the game keeps them from its own corner; the altar's choices
// stay where the game puts them, inside the box. While the box is closed or in another form
// (the Orb of Hero's list) every widget stands where the game puts it.
void fitDialogueBox(const game::Game& game, ControlMirror& mirror, int zoom, bool withFace);

} // namespace shell
