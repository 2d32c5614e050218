#include "extras/undo.h"

#include "combat/monster_panel.h"
#include "extras/click_walk.h"
#include "game/events.h"
#include "game/setup.h"
#include "platform/sound.h"
#include "render/panel.h"
#include "render/present.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>
#include <deque>
#include <string>
#include <utility>

namespace extras {
namespace {

using world::Slot::MusicTrack;
using world::Slot::WavOff;

// What a position holds beside the map: the status block, the item cursor, the message line
// and the monster shown.
void takeBesideTheMap(UndoPosition& p, const game::Game& game) {
    p.status = game.status;
    p.cursorSlot = game.explore.cursorSlot;
    p.messageSelector = game.messageSelector;
    p.composedMessage = game.composedMessage;
    p.monster = game.combat.currentMonster;
}

UndoPosition positionInPlay(const game::Game& game) {
    UndoPosition p;
    p.map = game.map;
    takeBesideTheMap(p, game);
    return p;
}

// The sound switches and the sums of the last save live in the status block too, but turning
// the music off or saving is no move.
bool counts(int word) {
    return word != WavOff && word != MusicTrack && word != world::Slot::Checksum &&
           word != world::Slot::AltChecksum;
}

// The kept position is the one in play (nothing is copied to tell).
bool inPlay(const UndoPosition& kept, const game::Game& game) {
    if (kept.map.bytes != game.map.bytes)
        return false;
    for (int n = 0; n < world::kStatusBlockWords; ++n)
        if (counts(n) && kept.status[n] != game.status[n])
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

// The game's sound while a position is put in play: everything passes, but the music player
// closed and opened again with the track it was playing goes on playing, so that taking back
// a step does not start the floor's music over.
class SteadyMusic final : public sound::Sound {
  public:
    SteadyMusic(game::Game& game, std::string playing)
        : game_(game), inner_(game.sound()), playing_(std::move(playing)) {
        game_.setSound(this);
    }
    ~SteadyMusic() override {
        if (stopped_)
            inner_.stopMusic();
        game_.setSound(&inner_);
    }
    SteadyMusic(const SteadyMusic&) = delete;
    SteadyMusic& operator=(const SteadyMusic&) = delete;

    void loadEffect(const std::string& file) override { inner_.loadEffect(file); }
    void playEffect(const std::string& file) override { inner_.playEffect(file); }
    void closeOneShot() override { inner_.closeOneShot(); }
    void stopMusic() override { stopped_ = true; }
    void startMusic(const std::string& file) override {
        const bool same = stopped_ && file == playing_;
        if (stopped_ && !same)
            inner_.stopMusic();
        stopped_ = false;
        if (!same)
            inner_.startMusic(file);
        playing_ = file;
    }

  private:
    game::Game& game_;
    sound::Sound& inner_;
    std::string playing_;
    bool stopped_ = false;
};

// Puts a position in play through the load's door; the sound switches stay as the player has
// them now, set through their own menu entries.
void restore(game::Game& game, const UndoPosition& p) {
    const bool sound = soundOn(game.status);
    const bool music = musicOn(game.status);
    SteadyMusic steady(game, music ? game.audio.musicFile : std::string());
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
    render::present(game);
}

} // namespace

void noteMoment(game::Game& game, Keep keep) {
    ExtrasState& x = game.extras;
    if (!x.keepMoves || (keep == Keep::WhenAllowed && !x.allowUndo))
        return;
    if (endingShown(game)) {
        forgetMoves(game);
        return;
    }
    if (!quietMoment(game))
        return;
    if (!x.undoPast.empty() && inPlay(x.undoPast.back(), game)) {
        // No move: the kept position takes what may have changed beside the map (the sound
        // switches, the sums of a save, the cursor, the message line), with no copy of the map.
        takeBesideTheMap(x.undoPast.back(), game);
        return;
    }
    x.undoPast.push_back(positionInPlay(game));
    x.undoFuture.clear();
    if (x.undoPast.size() > kUndoMoves + 1)
        x.undoPast.pop_front();
}

void forgetAfterMenu(game::Game& game, std::string_view path) {
    const auto& loads = window::Menu::kLoadSlots;
    const auto& past = game.extras.undoPast;
    const bool load = std::find(loads.begin(), loads.end(), path) != loads.end();
    const bool loaded = load && !past.empty() && !inPlay(past.back(), game);
    if (path == window::Menu::GameStart || loaded)
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

namespace {

// One move back or forth: the newest position of `from` goes over to `to`, and the newest
// position left in the past is put in play.
bool travel(game::Game& game, bool allowed, std::deque<UndoPosition>& from,
            std::deque<UndoPosition>& to) {
    if (!allowed)
        return false;
    to.push_back(std::move(from.back()));
    from.pop_back();
    restore(game, game.extras.undoPast.back());
    return true;
}

} // namespace

bool undo(game::Game& game) {
    noteMoment(game, Keep::Always);
    ExtrasState& x = game.extras;
    return travel(game, canUndo(game), x.undoPast, x.undoFuture);
}

bool redo(game::Game& game) {
    noteMoment(game, Keep::Always);
    ExtrasState& x = game.extras;
    return travel(game, canRedo(game), x.undoFuture, x.undoPast);
}

} // namespace extras
