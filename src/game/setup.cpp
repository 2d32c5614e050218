#include "game/setup.h"

#include "explore/new_game.h"
#include "io/saved_game.h"
#include "persist/saved_games.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "render/present.h"
#include "script/input_lock.h"
#include "state/game.h"
#include "window/names.h"
#include "world/item_table.h"
#include "world/tiles.h"

namespace game {
namespace {

// After a set-up change the whole field, the hero and the panels are drawn anew, and while
// input is open the held items' icons and the Save menu follow the changed slots.
void redrawAll(Game& game) {
    if (game.explore.inputLive)
        script::itemlive(game);
    render::mhyouji(game);
    render::yusyahyouji1(game);
    render::show(game);
    render::disp(game);
    render::itemdisp(game);
    render::keydisplay(game);
    render::present(game);
}

bool within(std::int64_t value, int last) {
    return value >= 0 && value <= last;
}

// The slots that place the hero take only a floor, x or y the map has: the rest of the game
// reads the map there.
std::optional<std::string> checkPlace(int slot, std::int32_t value) {
    const auto outside = [&](std::string_view what, int last) -> std::optional<std::string> {
        if (within(value, last))
            return std::nullopt;
        return std::string(what) + " " + std::to_string(value) + " of status[" +
               std::to_string(slot) + "] is not on the map (0.." + std::to_string(last) + ")";
    };
    switch (slot) {
    case world::Slot::Floor:
        return outside("floor", world::kTopFloor);
    case world::Slot::HeroX:
        return outside("x", world::kSide - 1);
    case world::Slot::HeroY:
        return outside("y", world::kSide - 1);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> setStatus(Game& game, int slot, std::int32_t value) {
    if (!within(slot, world::kStatusBlockWords - 1))
        return "status[" + std::to_string(slot) + "] is not a slot";
    if (auto error = checkPlace(slot, value))
        return error;
    game.status[slot] = value;
    redrawAll(game);
    return std::nullopt;
}

bool setTile(Game& game, int floor, int cell, std::uint8_t code) {
    if (!within(floor, world::kTopFloor) || !world::validCell(cell))
        return false;
    game.map.setTile(floor, cell, code);
    redrawAll(game);
    return true;
}

bool placeHero(Game& game, int floor, int x, int y) {
    if (!within(floor, world::kTopFloor) || !within(x, world::kSide - 1) ||
        !within(y, world::kSide - 1))
        return false;
    game.status[world::Slot::Floor] = floor;
    game.status[world::Slot::HeroX] = x;
    game.status[world::Slot::HeroY] = y;
    game.heroCell = world::cellOf(x, y);
    redrawAll(game);
    return true;
}

void putSavedGame(Game& game, const io::LoadedGame& saved) {
    render::setTimerRunning(game, window::names::Timer4, false); // a load ends the opening
    script::itemdel(game);
    game.map = saved.map;
    game.status = saved.status;
    explore::syokidata2(game);
    // Drawing the floor clears the start-staircase mark; the saved game keeps the one it had,
    // so that a flight from here goes the way it would have gone.
    game.status[world::Slot::StartStairs] = saved.status[world::Slot::StartStairs];
    script::itemlive(game);
    render::setTimerRunning(game, window::names::Timer1, true);
    render::present(game);
}

bool placeItemCursor(Game& game, int slot) {
    if (!within(slot, world::kItemCount - 1))
        return false;
    game.explore.cursorSlot = static_cast<std::int16_t>(slot);
    return true;
}

std::optional<std::string> saveGameTo(const Game& game, const std::string& path) {
    world::Status status = game.status;
    io::stampChecksums(status);
    return io::writeGame(path, game.map, status);
}

} // namespace game
