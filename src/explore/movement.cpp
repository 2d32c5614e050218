#include "explore/movement.h"

#include "explore/explore_routines.h"
#include "explore/step.h"
#include "render/controls.h"
#include "script/input_lock.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/item_table.h"

#include <array>

namespace explore {

using namespace script;
namespace {

using namespace world;
using world::Direction;

// What each of the four directions means for a step request.
struct StepDirection {
    std::int32_t repeat; // RepeatAction
    Facing facing;       // the way the hero turns
    int cursorMove;      // how the item cursor moves on the same key
    int cursorDelta;     // CursorSlot change
};

constexpr StepDirection directionOf(Direction d) {
    switch (d) {
    case Direction::Up:
        return {Repeat::Up, Facing::Up, CursorMove::Up, -3};
    case Direction::Left:
        return {Repeat::Left, Facing::Left, CursorMove::Left, -1};
    case Direction::Right:
        return {Repeat::Right, Facing::Right, CursorMove::Right, 1};
    case Direction::Down:
        break;
    }
    return {Repeat::Down, Facing::Down, CursorMove::Down, 3};
}

// The cells the step goes from and to; no step from the edge of the floor.
void resolveStep(game::Game& game, Direction d) {
    const Status& s = game.status;
    game.heroCell = s.heroCell();
    const auto target = neighbour(game.heroCell, d);
    if (!target)
        return;
    game.targetCell = *target;
    handan(game);
}

bool cursorShown(const game::Game& game) {
    return render::controlShown(game, window::names::ItemCursor);
}

void hideCursor(game::Game& game) {
    render::showControl(game, window::names::ItemCursor, false);
}

bool holdsAnyItem(const Status& s) {
    std::int64_t held = 0; // fifteen slots of any value add up without overflow
    for (const auto& item : world::kItems)
        held += s[item.slot];
    return held != 0;
}

// Items whose "Don't use" button the Up key reaches while the cursor is closed.
bool hasUseButtons(int slot) {
    return slot >= 0 && slot < world::kItemCount && world::item(slot).use != 0;
}

// An arrow key under keyboard control.
void arrowKey(game::Game& game, Direction d) {
    if (!cursorShown(game)) {
        stepRequest(game, d);
        return;
    }
    ExploreState& e = game.explore;
    if (e.cursorOpen) {
        if (!holdsAnyItem(game.status))
            return;
        const StepDirection dir = directionOf(d);
        e.cursorSlot = static_cast<std::int16_t>(e.cursorSlot + dir.cursorDelta);
        itemichiwork(game, dir.cursorMove);
        return;
    }
    if (d == Direction::Up && hasUseButtons(e.cursorSlot) &&
        render::controlShown(game, window::names::Button37))
        render::focusControl(game, window::names::Button37);
}

// Enter: show the item cursor, or use the item under it as a click on its icon does.
void enterKey(game::Game& game) {
    ExploreState& e = game.explore;
    if (cursorShown(game)) {
        const world::Item& item = world::item(e.cursorSlot);
        if (item.clickable)
            kExploreRoutines.click(game, item.icon);
        hideCursor(game);
    } else {
        itemichiwork(game, CursorMove::Stay);
    }
    e.cursorOpen = !e.cursorOpen;
}

void escapeKey(game::Game& game) {
    if (!game.explore.cursorOpen)
        return;
    hideCursor(game);
    game.explore.cursorOpen = false;
}

// An arrow button steps only while it is enabled and no script plays.
bool arrowButtonReady(const game::Game& game, std::string_view button) {
    return render::controlEnabled(game, button) && game.explore.stack.empty();
}

// A click steps, unless it ends a hold that has already walked the hero (he stops where the
// player let go).
void arrowButton(game::Game& game, std::string_view button, Direction d) {
    const ExploreState& e = game.explore;
    if (e.repeatHeld && e.heldArrowWalked)
        return;
    if (arrowButtonReady(game, button))
        stepRequest(game, d);
}

// The arrow button of a RepeatAction 1..4.
std::string_view arrowOf(std::int32_t action) {
    return window::names::kArrowButtons[static_cast<std::size_t>(action - Repeat::Up)];
}

constexpr Direction directionOfRepeat(std::int32_t action) {
    switch (action) {
    case Repeat::Up:
        return Direction::Up;
    case Repeat::Left:
        return Direction::Left;
    case Repeat::Right:
        return Direction::Right;
    default:
        break;
    }
    return Direction::Down;
}

bool holdingArrow(const ExploreState& e) {
    return e.repeatHeld && e.repeatAction >= Repeat::Up && e.repeatAction <= Repeat::Down;
}

void stopHold(game::Game& game) {
    game.explore.repeatHeld = false;
    render::setTimerRunning(game, window::names::Timer3, false);
}

// A tick of a held arrow button: one more step while the button could be clicked; a dialogue,
// a fight, a scene or closed input ends the hold.
void heldArrowStep(game::Game& game) {
    ExploreState& e = game.explore;
    if (!arrowButtonReady(game, arrowOf(e.repeatAction))) {
        stopHold(game);
        return;
    }
    e.heldArrowWalked = true;
    resolveStep(game, directionOfRepeat(e.repeatAction));
}

// Mouse press and release on a floor chooser button: the repeat timer runs while it is held.
void chooserPressed(game::Game& game, std::string_view button, std::int32_t action,
                    std::int32_t flight) {
    if (!render::controlEnabled(game, button))
        return;
    timerin(game);
    render::setTimerRunning(game, window::names::Timer3, true);
    game.explore.repeatAction = action;
    game.explore.repeatHeld = true;
    game.status[Slot::FlightDirection] = flight;
}

void chooserReleased(game::Game& game, std::string_view button, std::int32_t flight) {
    if (!render::controlEnabled(game, button))
        return;
    game.explore.repeatHeld = false;
    render::setTimerRunning(game, window::names::Timer3, false);
    timerin(game);
    game.status[Slot::FlightDirection] = flight;
}

void showArrowButtons(game::Game& game, bool visible) {
    for (const auto name : window::names::kArrowButtons)
        render::showControl(game, name, visible);
}

// The three speeds and the timers' interval at each.
struct SpeedPace {
    game::Speed speed;
    int intervalMs;
};
constexpr std::array<SpeedPace, 3> kSpeeds = {{
    {game::Speed::High, 150},
    {game::Speed::Middle, 250},
    {game::Speed::Low, 350},
}};
constexpr std::array<std::string_view, 3> kPacedTimers = {
    window::names::Timer1, window::names::Timer2, window::names::Timer3};

} // namespace

void stepRequest(game::Game& game, Direction direction) {
    const StepDirection dir = directionOf(direction);
    game.explore.repeatAction = dir.repeat;
    game.status[Slot::Facing] = static_cast<std::int32_t>(dir.facing);
    resolveStep(game, direction);
}

void formkeydown(game::Game& game, game::Key key) {
    if (!game.options.keyboard())
        return;
    if (!optionsEnabled(game) || !game.explore.stack.empty())
        return;
    switch (key) {
    case game::Key::Up:
        arrowKey(game, Direction::Up);
        break;
    case game::Key::Down:
        arrowKey(game, Direction::Down);
        break;
    case game::Key::Left:
        arrowKey(game, Direction::Left);
        break;
    case game::Key::Right:
        arrowKey(game, Direction::Right);
        break;
    case game::Key::Enter:
        enterKey(game);
        break;
    case game::Key::Escape:
        escapeKey(game);
        break;
    }
}

void BitBtn1Click(game::Game& game) {
    arrowButton(game, window::names::BitBtn1, Direction::Up);
}
void BitBtn2Click(game::Game& game) {
    arrowButton(game, window::names::BitBtn2, Direction::Left);
}
void BitBtn3Click(game::Game& game) {
    arrowButton(game, window::names::BitBtn3, Direction::Right);
}
void BitBtn4Click(game::Game& game) {
    arrowButton(game, window::names::BitBtn4, Direction::Down);
}

void timer3ontimer(game::Game& game) {
    const ExploreState& e = game.explore;
    if (!e.repeatHeld) {
        render::setTimerRunning(game, window::names::Timer3, false);
        return;
    }
    if (holdingArrow(e))
        heldArrowStep(game);
    else
        kExploreRoutines.floorChoiceRepeat(game, e.repeatAction); // 5 and 6: the floor chooser
}

void arrowButtonDown(game::Game& game, Direction d) {
    const StepDirection dir = directionOf(d);
    if (!arrowButtonReady(game, arrowOf(dir.repeat)))
        return;
    ExploreState& e = game.explore;
    e.repeatAction = dir.repeat;
    e.repeatHeld = true;
    e.heldArrowWalked = false;
    game.status[Slot::Facing] = static_cast<std::int32_t>(dir.facing);
    timerin(game);
    render::setTimerRunning(game, window::names::Timer3, true);
}

void arrowButtonUp(game::Game& game) {
    if (holdingArrow(game.explore))
        stopHold(game);
}

void button8onmousedown(game::Game& game) {
    chooserPressed(game, window::names::Button8, Repeat::FloorUp, 1);
}
void button8onmouseup(game::Game& game) {
    chooserReleased(game, window::names::Button8, 1);
}
void button9onmousedown(game::Game& game) {
    chooserPressed(game, window::names::Button9, Repeat::FloorDown, 2);
}
void button9onmouseup(game::Game& game) {
    chooserReleased(game, window::names::Button9, 2);
}

void setSpeed(game::Game& game, game::Speed speed) {
    for (const SpeedPace& pace : kSpeeds) {
        if (pace.speed != speed)
            continue;
        for (const auto timer : kPacedTimers)
            render::setTimerInterval(game, timer, pace.intervalMs);
        game.options.speed = speed;
    }
}

void speedhigh(game::Game& game) {
    setSpeed(game, game::Speed::High);
}
void speedlow(game::Game& game) {
    setSpeed(game, game::Speed::Low);
}

void timerin(game::Game& game) {
    setSpeed(game, game.options.speed);
}

void KeyboardControl1Click(game::Game& game) {
    itemdel(game);
    showArrowButtons(game, false);
    game.options.control = game::ControlMode::Keyboard;
    itemdel(game);
    itemlive(game);
}

void MouseControl1Click(game::Game& game) {
    itemdel(game);
    showArrowButtons(game, true);
    game.options.control = game::ControlMode::Mouse;
    itemlive(game);
}

} // namespace explore
