// Input and movement: the arrow keys and buttons, the walk of one cell, the item cursor, the
// repeat timer, the speed and the two control modes.
#pragma once

#include "state/game_fwd.h"
#include "state/key.h"
#include "state/option_choices.h"
#include "world/tower_map.h"

#include <cstdint>

namespace explore {

// A step request in one direction: set RepeatAction and the facing, HeroCell and TargetCell,
// and resolve the step unless the hero stands on that edge (then he only turns).
void stepRequest(game::Game& game, world::Direction direction);

// formkeydown: the key handler of the main window (keyboard control only).
void formkeydown(game::Game& game, game::Key key);

// BitBtn1Click .. BitBtn4Click: the arrow buttons "Go to Upside", "Go to Left", "Go to Right"
// and "Go to Down"; they act only while the command stack is empty.
void BitBtn1Click(game::Game& game);
void BitBtn2Click(game::Game& game);
void BitBtn3Click(game::Game& game);
void BitBtn4Click(game::Game& game);

// idou: walk the hero from HeroCell to TargetCell, then watch his new neighbours.
void idou(game::Game& game);

// yusyaidou: draw the walk's sub-step at offset d (1..32) pixels.
void yusyaidou(game::Game& game, int d);

// Directions of the item cursor.
namespace CursorMove {
enum : int { Up = 0, Down = 1, Right = 2, Left = 3, Stay = 4 };
}

// The number of sub-steps of a walk at the speed that carries the check mark: 8, 16 or 32.
int walkSubSteps(const game::Game& game);

// itemichiwork: settle the item cursor on a held item, moving on in one direction, and show
// it over that item's icon; shows nothing when no item is held.
void itemichiwork(game::Game& game, int direction);

// timer3ontimer: the repeat timer's tick: one more step or floor choice while a button is held.
void timer3ontimer(game::Game& game);

// Mouse press and release on an arrow button. The press turns the hero that way and, while
// the button stays down, the repeat timer walks him on at the speed's pace; a dialogue, a
// fight, a scene or closed input ends the hold, as does the release. The click that ends a
// hold which has walked adds no step of its own: he stops where the player let go.
void arrowButtonDown(game::Game& game, world::Direction direction);
template <world::Direction D> void arrowButtonDown(game::Game& game) {
    arrowButtonDown(game, D);
}
void arrowButtonUp(game::Game& game);

// Mouse press and release on the floor chooser's "UP" (Button8) and "DOWN" (Button9).
void button8onmousedown(game::Game& game);
void button8onmouseup(game::Game& game);
void button9onmousedown(game::Game& game);
void button9onmouseup(game::Game& game);

// setSpeed: the animation, command and repeat timers at the pace of the speed, and the
// options' speed. speedhigh, speedlow: the animation, command and repeat timers at 150 or
// 350 ms, and the options' speed.
void setSpeed(game::Game& game, game::Speed speed);
void speedhigh(game::Game& game);
void speedlow(game::Game& game);

// timerin: put the timers back at the pace of the options' speed (after a door or a wipe ran
// them at a pace of its own).
void timerin(game::Game& game);

// KeyboardControl1Click, MouseControl1Click: the two control modes. Under keyboard control
// the keys reach formkeydown and the arrow buttons are hidden; under mouse control the arrow
// buttons step and the keys go to the control that has the focus. The options keep the mode;
// the input lock around the switch reads the mode as it was before it, then the new one.
void KeyboardControl1Click(game::Game& game);
void MouseControl1Click(game::Game& game);

} // namespace explore
