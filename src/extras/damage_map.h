// The damage forecast on the map: while the hero holds the Orb of Hero, every monster on the
// floor shows what fighting it now would cost, in small pixel digits at its lower left. The
// marks lie over the play field as pictures of their own; the game's frames and screen
// picture are never drawn into.
#pragma once

#include "picture/picture.h"
#include "state/game_fwd.h"

#include <cstdint>
#include <string>
#include <vector>

namespace extras {

// What a fight would mean for the hero's life as it is now.
enum class Outlook {
    Safe,       // he loses nothing
    Costly,     // he loses life and lives
    Deadly,     // the loss reaches his whole life
    Unbeatable, // he cannot hurt the monster at all
};

// What fighting a monster of this kind now would mean, and what it would cost (0 for an
// unbeatable one): the forecast of the Orb of Hero against the hero's life.
struct Forecast {
    Outlook outlook = Outlook::Safe;
    std::int32_t damage = 0;
};
Forecast forecastFor(const game::Game& game, int kind);

struct DamageMark {
    int cell = 0;
    Outlook outlook = Outlook::Safe;
    std::int32_t damage = 0; // the forecast loss; 0 for an unbeatable monster
    bool operator==(const DamageMark&) const = default;
};

// The marks of the current floor in cell order: one per one-cell monster and one on the head
// of the Big Octopus and the Dragon. Empty while the option is off, the orb is not held or a
// full-window picture covers the play field.
std::vector<DamageMark> damageMarks(const game::Game& game);

// A damage as the mark writes it: up to four digits, then thousands ("12K") and millions
// ("214M").
std::string damageLabel(std::int32_t damage);

// One piece of the overlay: a small picture at a place of the window (screen coordinates).
struct OverlayPiece {
    int x = 0;
    int y = 0;
    render::Picture picture;
};

// The overlay of the damage marks: a black plate with the label (or the mark of an unbeatable
// monster) in the outlook's colour, at the lower left of each monster cell.
std::vector<OverlayPiece> damageOverlay(const game::Game& game);

// The screen as the player sees it: the game's screen picture with the overlay laid over it.
render::Picture screenWithOverlay(const game::Game& game);

} // namespace extras
