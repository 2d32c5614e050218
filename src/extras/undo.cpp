#include "extras/undo.h"

#include "combat/monster_panel.h"
#include "extras/click_walk.h"
#include "game/events.h"
#include "game/setup.h"
#include "render/panel.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>

namespace extras {
namespace {

using world::Slot::MusicTrack;
using world::Slot::WavOff;

UndoPosition positionInPlay(const game::Game& game) {
    return {game.map,
            game.status,
            game.explore.cursorSlot,
            game.messageSelector,
            game.composedMessage,
            game.combat.currentMonster};
}

// The sound switches and the sums of the last save live in the status block too, but turning
// the music off or saving is no move.
bool counts(int word) {
    return word != WavOff && word != MusicTrack && word != world::Slot::Checksum &&
           word != world::Slot::AltChecksum;
}

bool samePosition(const UndoPosition& a, const UndoPosition& b) {
    if (a.map.bytes != b.map.bytes)
        return false;
    for (int n = 0; n < world::kStatusBlockWords; ++n)
        if (counts(n) && a.status[n] != b.status[n])
            return false;
    return true;
}

bool endingShown(const game::Game& game) {
    const window::Window* ending = game.window.findWindow(window::names::Ending);
    return ending && ending->visible;
}

bool soundOn(const world::Status& s) {
    return s[WavOff] == 0;
}
bool musicOn(const world::Status& s) {
    return s[MusicTrack] != 0;
}

// Puts a position in play through the load's door; the sound switches stay as the player has
// them now, set through their own menu entries.
void restore(game::Game& game, const UndoPosition& p) {
    const bool sound = soundOn(game.status);
    const bool music = musicOn(game.status);
    game::putSavedGame(game, {p.map, p.status});
    if (musicOn(game.status) != music)
        game::menuCommand(game, window::Menu::Music);
    if (soundOn(game.status) != sound)
        game::menuCommand(game, window::Menu::WavSound);
    game::placeItemCursor(game, p.cursorSlot);
    game.messageSelector = p.messageSelector;
    game.composedMessage = p.composedMessage;
    render::disp(game);
    game.combat.currentMonster = p.monster;
    combat::monshyouji(game);
}

} // namespace

void noteMoment(game::Game& game, Keep keep) {
    ExtrasState& x = game.extras;
    if (keep == Keep::WhenAllowed && !x.allowUndo)
        return;
    if (endingShown(game)) {
        forgetMoves(game);
        return;
    }
    if (!quietMoment(game))
        return;
    UndoPosition now = positionInPlay(game);
    if (!x.undoPast.empty() && samePosition(x.undoPast.back(), now)) {
        x.undoPast.back() = std::move(now);
        return;
    }
    x.undoPast.push_back(std::move(now));
    x.undoFuture.clear();
    if (x.undoPast.size() > kUndoMoves + 1)
        x.undoPast.pop_front();
}

void forgetAfterMenu(game::Game& game, std::string_view path) {
    const auto& loads = window::Menu::kLoadSlots;
    ExtrasState& x = game.extras;
    if (path == window::Menu::GameStart)
        forgetMoves(game);
    else if (std::find(loads.begin(), loads.end(), path) != loads.end() && !x.undoPast.empty() &&
             !samePosition(x.undoPast.back(), positionInPlay(game)))
        forgetMoves(game);
}

void forgetMoves(game::Game& game) {
    game.extras.undoPast.clear();
    game.extras.undoFuture.clear();
}

void startHistoryHere(game::Game& game) {
    forgetMoves(game);
    noteMoment(game);
}

bool canUndo(const game::Game& game) {
    return game.extras.undoPast.size() > 1 && quietMoment(game);
}

bool canRedo(const game::Game& game) {
    return !game.extras.undoFuture.empty() && quietMoment(game);
}

bool undo(game::Game& game) {
    noteMoment(game, Keep::Always);
    if (!canUndo(game))
        return false;
    ExtrasState& x = game.extras;
    x.undoFuture.push_back(std::move(x.undoPast.back()));
    x.undoPast.pop_back();
    restore(game, x.undoPast.back());
    return true;
}

bool redo(game::Game& game) {
    noteMoment(game, Keep::Always);
    if (!canRedo(game))
        return false;
    ExtrasState& x = game.extras;
    x.undoPast.push_back(std::move(x.undoFuture.back()));
    x.undoFuture.pop_back();
    restore(game, x.undoPast.back());
    return true;
}

} // namespace extras
