#include "script/executor.h"

#include "picture/bmp.h"
#include "picture/picture_list.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "render/screen.h"
#include "script/command_routines.h"
#include "script/input_lock.h"
#include "sound/music.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/tiles.h"

#include <algorithm>
#include <limits>
#include <string>

namespace script {
namespace {

using namespace world;

constexpr int kDeathTrack = 14;
constexpr int kTitleTrack = 11;

void runCommandTimer(game::Game& game, bool running) {
    render::setTimerRunning(game, window::names::Timer2, running);
}

// How a played command leaves the stack: taken off after its work, or already replaced by
// the script its work pushed (or by nothing, when the work emptied the stack).
enum class Played { TakeOff, Replaced };

// A command whose work pushes a script of its own leaves the stack first, so that the script
// plays in its place.
template <typename Routine> Played replacedBy(game::Game& game, Routine routine) {
    game.explore.stack.pop();
    routine();
    return Played::Replaced;
}

// Command 9 (and the drawing of command 14): sprite value s over background value b from the
// entry beneath, through mask value m, in both frames at the cell; then show. Nothing is drawn
// with pictures off.
void maskedSprite(game::Game& game, int cell, int m) {
    if (!game.render.pictures)
        return;
    const CommandEntry& below = game.explore.stack.beneath();
    const int b = below.arg1;
    const int s = below.arg2;
    const auto& list = game.render.imageList1;
    auto compose = [&](render::Surface& frame, int background, int sprite) {
        render::Picture tile(render::kCellSide, render::kCellSide);
        render::Picture spritePic(render::kCellSide, render::kCellSide);
        render::Picture mask(render::kCellSide, render::kCellSide);
        render::drawListPicture(tile, 0, 0, list, background - 1);
        render::drawListPicture(spritePic, 0, 0, list, sprite - 1);
        render::drawListPicture(mask, 0, 0, list, m - 1);
        render::kasanegaki(tile, spritePic, mask);
        render::draw(frame, cellX(cell) * render::kCellSide, cellY(cell) * render::kCellSide, tile);
    };
    const auto bb = static_cast<std::uint8_t>(b);
    const auto sb = static_cast<std::uint8_t>(s);
    compose(game.render.frameA, b, s);
    compose(game.render.frameB, b + render::imagework(game, bb), s + render::imagework(game, sb));
    render::show(game);
}

// The game-over start of the commands that end the hero's life: the hero's picture leaves
// his cell, the music turns to the death track (before the redraw after a trap or magic, after
// it when a fight was lost, which also stops the command timer) and the game-over dialog
// plays its script. The command has left the stack first, so that every entry of that script
// plays.
void gameOverStart(game::Game& game, bool fight, int animation) {
    if (!fight)
        changeMusic(game, kDeathTrack);
    // Frame A gets the tile under the hero, frame B the tile with the frame-B step of the
    // command's animation code.
    const Status& s = game.status;
    const int cell = s.heroCell();
    const int picture = game.map.tile(s[Slot::Floor], cell) - 1;
    const int x = s[Slot::HeroX] * render::kCellSide;
    const int y = s[Slot::HeroY] * render::kCellSide;
    const auto& list = game.render.imageList1;
    render::drawListPicture(game.render.frameA, x, y, list, picture);
    render::drawListPicture(game.render.frameB, x, y, list,
                            picture +
                                render::imagework(game, static_cast<std::uint8_t>(animation)));
    if (fight) {
        changeMusic(game, kDeathTrack);
        runCommandTimer(game, false);
    }
    game.explore.dialogPending = true;
    game.status[Slot::HeroHidden] = 1;
    game.explore.dialogKind = explore::Dialog::GameOver;
    kCommandRoutines.openDialog(game);
}

// The life after a change, floored at 0; a life of 0 is the hero's death.
Played setLife(game::Game& game, std::int64_t life) {
    game.status[Slot::Life] = world::capped(std::max<std::int64_t>(0, life));
    render::showLife(game);
    if (game.status[Slot::Life] != 0)
        return Played::TakeOff;
    // Of the script that fell the hero only its bottom entry stays, under the game over's.
    return replacedBy(game, [&] {
        game.explore.stack.keepBottom();
        gameOverStart(game, false, 0);
    });
}

// Special 7: the title picture over the play field.
void titlePicture(game::Game& game) {
    changeMusic(game, kTitleTrack);
    render::setTimerRunning(game, window::names::Timer1, false);
    for (auto* buffer :
         {&game.render.tileBuffer, &game.render.spriteBuffer, &game.render.maskBuffer})
        *buffer = render::Picture(render::kFieldSide, render::kFieldSide);
    const char* file = game.status[Slot::LapLevel] != 0 ? "title05R.bmp" : "title05.bmp";
    if (game.render.pictures) {
        auto loaded = game.render.files.read(render::dataPath(game.folders.game, file));
        if (loaded.ok())
            render::setPicture(game, window::names::Image1, std::move(loaded.picture));
    }
    render::showBackground(game, window::names::Image1);
    render::hideEquipmentHints(game);
}

// Special 11: the floor shown becomes arg2; on floor 50 the hero stands at its entrance.
void showFloor(game::Game& game, int floor) {
    Status& s = game.status;
    s[Slot::Floor] = floor;
    render::mhyouji(game);
    render::disp(game);
    if (floor != kTopFloor)
        return;
    s[Slot::HeroHidden] = 0;
    const int cell = game.map.arrivalUp(kTopFloor);
    s[Slot::HeroX] = cellX(cell);
    s[Slot::HeroY] = cellY(cell);
    s[Slot::Facing] = static_cast<std::int32_t>(Facing::Up);
    render::yusyahyouji1(game);
}

// Special 6: the lap is complete; the next one is harder, or keeps the hero's progress.
Played completionRestart(game::Game& game) {
    render::showControl(game, window::names::Image23, false);
    Status& s = game.status;
    if (s[Slot::LapLevel] == 0)
        s[Slot::LapLevel] = kLaterLap;
    else
        s[Slot::KeepProgress] = 1;
    return replacedBy(game, [&] { kCommandRoutines.newGame(game); });
}

// Command 11: the special steps of scenes.
Played special(game::Game& game, int which, int value) {
    switch (which) {
    case Special::LapComplete:
        return completionRestart(game);
    case Special::TitlePicture:
        titlePicture(game);
        break;
    case Special::HeroFacing:
        render::yusyahyouji(game, render::Pic::FirstHero + 8 * (game.status[Slot::Facing] - 1));
        render::paintHeroCell(game, game.render.frameA);
        render::show(game);
        break;
    case Special::Hero:
        render::yusyahyouji1(game);
        break;
    case Special::ShowFloor:
        showFloor(game, value);
        break;
    case Special::StopAnimation:
        render::setTimerRunning(game, window::names::Timer1, false);
        break;
    case Special::HideStatus: // the arrow buttons and the status fields leave the window
        render::hideStatusFields(game);
        break;
    case Special::KeepScreen:
        if (game.render.pictures)
            game.render.screenBuffer = render::screenPicture(game);
        break;
    default:
        if (which > 0 && which < Special::kCount) {
            const auto& step = kCommandRoutines.specials[static_cast<std::size_t>(which)];
            if (step.routine && step.takesPlace)
                return replacedBy(game, [&] { step.routine(game, value); });
            if (step.routine)
                step.routine(game, value);
        }
        // Other values pause.
        break;
    }
    return Played::TakeOff;
}

// Command 21: one step of the floor-change wipe.
void wipeStep(game::Game& game, int mode, int position) {
    if (mode == 0 && position == 1)
        sound::playEffect(game, Effect::Open);
    render::wipeStep(game, mode, position);
    if (mode == 1 && position == static_cast<int>(render::kSpiral.size())) {
        kCommandRoutines.restoreSpeed(game);
        render::setTimerRunning(game, window::names::Timer1, true);
    }
}

// Command 22: a new first game, as "Game Start" makes one; the stack is left empty.
Played newGame(game::Game& game) {
    game.status[Slot::LapLevel] = 0;
    game.status[Slot::KeepProgress] = 0;
    kCommandRoutines.newGame(game);
    game.explore.stack.clear();
    return Played::Replaced;
}

// A tile of the current floor changes; shown at once or left for the next redraw.
void changeTile(game::Game& game, int cell, std::int32_t code, bool shown) {
    if (!validCell(cell))
        return;
    game.map.setTile(game.status[Slot::Floor], cell, static_cast<std::uint8_t>(code));
    if (!shown)
        return;
    render::redrawCell(game, cell);
    render::show(game);
}

// Gold paid to the hero: Lucky Gold doubles it; the purse stops at what a slot can hold.
void payGold(game::Game& game, std::int32_t gold) {
    Status& s = game.status;
    raiseSlot(s[Slot::Gold], std::int64_t{gold} * (std::int64_t{s[Slot::LuckyGold]} + 1));
    render::disp(game);
}

void showSidePanels(game::Game& game) {
    render::showBackground(game, window::names::Image2);
    render::showBackground(game, window::names::Image3);
    render::keydisplay(game);
    render::itemdisp(game);
}

// A scripted dialog stops the script until its answer.
void openScriptedDialog(game::Game& game, std::int32_t dialog) {
    runCommandTimer(game, false);
    game.explore.dialogPending = true;
    game.explore.dialogKind = explore::Dialog::ScriptedBase + dialog;
    kCommandRoutines.openDialog(game);
}

// A script that plays under an open box (a sale's thanks, an old man's gift) ends while the box
// still waits for its "OK" or an answer: input stays closed, and the answer opens it.
bool answerAwaited(const game::Game& game) {
    auto shown = [&](std::string_view name) { return render::controlShown(game, name); };
    return shown(window::names::Button1) || shown(window::names::Button2) ||
           shown(window::names::Button7) ||
           std::any_of(window::names::kChoiceButtons.begin(), window::names::kChoiceButtons.end(),
                       shown);
}

Played perform(game::Game& game, const CommandEntry e) {
    Status& s = game.status;
    switch (e.code) {
    case Cmd::Sound:
        sound::soundCommand(game, e.arg1);
        break;
    case Cmd::Message:
        if (e.arg1 != 0)
            game.messageSelector = e.arg1;
        render::disp(game);
        break;
    case Cmd::HeroFalls:
        // The rest of the lost fight stays beneath the game over's script.
        return replacedBy(game, [&] { gameOverStart(game, true, e.arg2); });
    case Cmd::SetTile:
        changeTile(game, e.arg1, e.arg2, true);
        break;
    case Cmd::Gold:
        payGold(game, e.arg1);
        break;
    case Cmd::SidePanels:
        showSidePanels(game);
        break;
    case Cmd::MaskedSprite:
        maskedSprite(game, e.arg1, e.arg2);
        break;
    case Cmd::MessageBox:
        openScriptedDialog(game, e.arg1);
        break;
    case Cmd::Special:
        return special(game, e.arg1, e.arg2);
    case Cmd::HeadBlow:
        maskedSprite(game, e.arg1, e.arg2);
        kCommandRoutines.headBlow(game);
        break;
    case Cmd::MusicRestart:
        restartFloorMusic(game);
        break;
    case Cmd::LifeChange:
        return setLife(game, std::int64_t{s[Slot::Life]} + e.arg1);
    case Cmd::PutTile:
        changeTile(game, e.arg1, e.arg2, false);
        break;
    case Cmd::HalveLife:
        return setLife(game, s[Slot::Life] / 2);
    case Cmd::SetStatus:
        if (e.arg1 >= 0 && e.arg1 < kStatusBlockWords)
            s[e.arg1] = e.arg2;
        break;
    case Cmd::WipeStep:
        wipeStep(game, e.arg1, e.arg2);
        break;
    case Cmd::NewGame:
        return newGame(game);
    default:
        // The commands served above the executor; 0 and codes outside the table pause.
        if (e.code > 0 && e.code < Cmd::kCount) {
            if (const auto routine = kCommandRoutines.commands[static_cast<std::size_t>(e.code)])
                routine(game);
        }
        break;
    }
    return Played::TakeOff;
}

} // namespace

void timer2on(game::Game& game) {
    render::setTimerRunning(game, window::names::Timer3, false);
    itemdel(game);
    runCommandTimer(game, true);
}

void timer2timer(game::Game& game) {
    CommandStack& stack = game.explore.stack;
    if (!stack.empty()) {
        stackwork(game);
        if (!stack.empty()) {
            stackwork(game);
            return;
        }
    }
    runCommandTimer(game, false);
    if (!game.explore.dialogPending && !answerAwaited(game))
        itemlive(game);
}

void stackwork(game::Game& game) {
    game.explore.dialogPending = false;
    // The entry stays on the stack while it plays: its work reads the entries beneath it.
    if (perform(game, game.explore.stack.topEntry()) == Played::TakeOff)
        game.explore.stack.pop();
}

bool musicOn(const game::Game& game) {
    return game.status[Slot::MusicTrack] != 0;
}

bool effectsOn(const game::Game& game) {
    return game.status[Slot::WavOff] == 0;
}

void changeMusic(game::Game& game, int track) {
    sound::changeTrack(game, track);
}

void restartFloorMusic(game::Game& game) {
    sound::musicRestart(game);
}

} // namespace script
