#include "game/startup.h"

#include "explore/new_game.h"
#include "io/files.h"
#include "persist/options.h"
#include "persist/read_settings.h"
#include "render/controls.h"
#include "render/screen.h"
#include "scenes/opening.h"
#include "script/input_lock.h"
#include "sound/music.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"

#include <optional>
#include <string>
#include <string_view>

namespace game {
namespace {

using world::Slot::KeepProgress;
using world::Slot::LapLevel;
using world::Slot::SaveMarker;

// The window's left edge: a screen no wider than the window hides the window's border
// just off the left edge.
constexpr int kNarrowScreenLeft = -4;

// The background pictures the start-up hides until a game shows them.
constexpr std::string_view kBackgrounds[] = {window::names::Image1, window::names::Image2,
                                             window::names::Image3};

// Report an error of the start-up to the player; true when there was one, which stops the
// start-up at that step.
bool stopsStartUp(Game& game, const std::optional<std::string>& error) {
    if (error)
        game.platform().messageBox(*error);
    return error.has_value();
}

// Step 5: put the window in the top-left corner of the screen and hide the backgrounds.
void placeWindow(Game& game) {
    render::placeMainWindow(
        game, game.shell.screenWidth > render::mainClientWidth(game) ? 0 : kNarrowScreenLeft, 0);
    for (std::string_view name : kBackgrounds)
        render::showControl(game, name, false);
}

// Step 10: the keyboard item cursor starts closed, on the first item icon.
void resetItemCursor(Game& game) {
    game.explore.cursorOpen = false;
    game.explore.cursorSlot = 0;
}

// Steps 11 and 12: read and apply the options; the opening plays instead of the animation when
// the options read (the built-in ones without a file) ask for it, so the "&Prologue" check
// mark and what happens at start-up always agree. A game whose prologue was switched off
// before its start-up never plays it. True when the opening plays.
bool applyOptions(Game& game) {
    const bool before = game.options.prologue;
    persist::optionload(game);
    persist::optionl1(game);
    const bool opening = before && game.options.prologue;
    if (opening) {
        game.scenes.prologueFrame = 0;
        render::setTimerRunning(game, window::names::Timer4, true);
        render::setTimerRunning(game, window::names::Timer1, false);
    }
    return opening;
}

// Game Quit and Exit: stop the music and ask the shell to end the program.
void quit(Game& game) {
    if (game.options.music)
        game.sound().stopMusic();
    game.shell.quitRequested = true;
}

} // namespace

void closeInputForOpening(Game& game) {
    script::itemdel(game);
    render::enableMenu(game, window::Menu::Load, true);
}

void formactivate(Game& game) {
    game.status[SaveMarker] = world::kSaveMarker;
    game.status[LapLevel] = 0;
    game.status[KeepProgress] = 0;
    render::setCaption(game, std::string(kCaption));
    if (stopsStartUp(game, persist::readSettings(game)))
        return;
    placeWindow(game);
    const auto pictureError = render::loadPictures(game);
    if (stopsStartUp(game, pictureError ? std::optional(pictureError->text()) : std::nullopt))
        return;
    resetItemCursor(game);
    const bool opening = applyOptions(game);
    explore::syokidata(game);
    explore::syokidata2(game);
    if (opening) {
        closeInputForOpening(game); // the opening's end brings the music with the new game
        scenes::showPrologueFrame(game);
        return;
    }
    script::itemlive(game);
    // The options were applied while no floor was chosen and the new game cleared the
    // track: with music on, the floor's music starts now.
    sound::floorMusic(game);
}

void GameStart1Click(Game& game) {
    render::setTimerRunning(game, window::names::Timer4, false);
    game.status[LapLevel] = 0;
    game.status[KeepProgress] = 0;
    explore::gameover(game);
}

void GameQuit1Click(Game& game) {
    quit(game);
}

void Exit1Click(Game& game) {
    quit(game);
}

void KRN10close(Game& game) {
    game.shell.quitRequested = true;
}

void Help2Click(Game& game) {
    game.platform().showHelp(io::inFolder(game.folders.game, kHelpFile));
}

} // namespace game
