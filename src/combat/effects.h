// What monsters do beyond waiting to be fought: the magicians' blows and the Magic Sergeants'
// pincer after each step of the hero, the hint of what stands beside him, and the appearance
// animations of scripted monsters.
#pragma once

#include "script/script.h"
#include "state/game_fwd.h"

#include <initializer_list>
#include <optional>

namespace combat {

// Message selectors of the magicians' blows (catalogue line = selector + 127).
namespace MagicLine {
inline constexpr int MagicianA = 110;
inline constexpr int MagicianB = 111;
inline constexpr int Pincer = 112;
inline constexpr int LaterLapOffset = 28; // 138 and 139 name the later lap's amounts
} // namespace MagicLine

// mmes: the message line names what stands on a neighbour cell (stairs, lava, altar, merchant,
// thief, fairy, old man, magician) and leaves the selector alone for anything else. On the
// highest floor reached, stairs also leave the start-staircase mark (Status[166]: 1 up,
// 2 down) for the Orb of Flying. Returns the selector set, if any.
std::optional<int> mmes(game::Game& game, int cell);

// The watch after the hero has walked onto a new cell: the neighbour hints, the magicians'
// blows (mazyutu1) and the Magic Sergeants' pincer (madoushi1). True when a blow was pushed
// and the command timer started: the step ends there.
bool magicAfterStep(game::Game& game);

// Zeno's appearance over the floor at a cell: the "3f" sound, a pause, seventeen fade frames.
script::Script zenoAppearance(const game::Game& game, int cell);

// zenolivework: start play-out and push Zeno's appearance at a cell.
void zenolivework(game::Game& game, int cell);

// Zeno stands on cell 27 of the floor and comes to life there (the capture scene).
void zenoRises(game::Game& game);

// The Magic Sergeants' appearance on several cells at once, in five fade steps.
script::Script sergeantsAppearance(const game::Game& game, std::initializer_list<int> cells);

// madoushilivework: start play-out and push the Sergeants' appearance on four cells.
void madoushilivework(game::Game& game, std::initializer_list<int> cells);

// madoushi2: the ring of eight Magic Sergeants around cell 27 of the current floor: put in the
// map at once, then faded in.
void madoushi2(game::Game& game);

// banpaiawork: step k (1..32) of the Vampire's arrival in the 3 x 3 block around cell 60: eight
// Big Bats close in on the centre while the Vampire fades in, in both frames; then shown.
void banpaiawork(game::Game& game, int k);

} // namespace combat
