// Doors and keys: the sixteen-frame door animation in its twelve kinds and the floor checks
// that a door pattern can set off.
#pragma once

namespace game {
struct Game;
}

namespace explore {

// Door animation kinds of command 13.
namespace DoorKind {
enum : int {
    Yellow = 1,
    Blue = 2,
    Red = 3,
    GateOpens = 4,
    GateCloses = 5,
    BarsLift = 6,
    WallSinks = 7,
    WallRises = 8,
    LavaFromRight = 9,
    LavaFromLeft = 10,
    LavaFromTop = 11,
    LavaFromBottom = 12,
};
}

inline constexpr int kDoorFrames = 16;

// The door rule of a step against a yellow, blue or red door: spend the key and open it, or
// say that the key is missing; the floor checks run either way.
void doorRule(game::Game& game);

// doorstackin: expand the top entry (13, cell, kind) into the sixteen frames of its animation.
void doorstackin(game::Game& game);

// dooropen: one frame of a door animation, for the top entry (13, cell, kind) with the frame
// number beneath it.
void dooropen(game::Game& game);

// doorcheck: the floor checks of floors 39 and 43 for a door the hero walks against.
void doorcheck(game::Game& game);

} // namespace explore
