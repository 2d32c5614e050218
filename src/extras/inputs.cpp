#include "extras/inputs.h"

#include "extras/click_walk.h"
#include "extras/recorder.h"
#include "extras/settings.h"
#include "extras/undo.h"
#include "game/events.h"
#include "io/files.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/present.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"

#include <string>

namespace extras {
namespace {

constexpr const char* kRecordPrompt = "Record the game into the file:";
constexpr std::string_view kLookingForHint = "Looking for the next move...";

std::string_view keyName(game::Key key) {
    switch (key) {
    case game::Key::Up:
        return "up";
    case game::Key::Down:
        return "down";
    case game::Key::Left:
        return "left";
    case game::Key::Right:
        return "right";
    case game::Key::Enter:
        return "enter";
    case game::Key::Escape:
        break;
    }
    return "escape";
}

// Would the game act on a key now? Under keyboard control while input is open and no script
// plays, and always while the Ending window is up (its Enter ends the slideshow).
bool takesKey(const game::Game& game) {
    if (render::windowShown(game, window::names::Ending))
        return true;
    return game.options.keyboard() && render::menuEnabled(game, window::Menu::Options) &&
           game.explore.stack.empty();
}

void reportRecorderError(game::Game& game) {
    if (!game.extras.recorder || !game.extras.recorder->error())
        return;
    const std::string error = *game.extras.recorder->error();
    Recorder::stop(game);
    game.platform().messageBox(error);
}

// A walk keeps a timer of its own, never the animation's (stopped in the prison after the
// capture): it runs at the speed's pace while a walk goes on.
void paceWalk(game::Game& game) {
    const bool walking = game.extras.walkTarget.has_value();
    if (walking && !render::timerRunning(game, window::names::WalkTimer))
        render::setTimerInterval(game, window::names::WalkTimer,
                                 render::timerInterval(game, window::names::Timer1));
    render::setTimerRunning(game, window::names::WalkTimer, walking);
}

// After every event: the walk's pace; the position joins the moves that can be taken back,
// and a recording asked for begins at the first quiet moment.
void afterEvent(game::Game& game) {
    paceWalk(game);
    ExtrasState& x = game.extras;
    noteMoment(game);
    if (!x.recordWhenQuiet.empty() && quietMoment(game)) {
        const std::string path = std::move(x.recordWhenQuiet);
        x.recordWhenQuiet.clear();
        if (const auto error = Recorder::start(game, path, x.lastTickMs))
            game.platform().messageBox(*error);
    }
    showSwitches(game);
    reportRecorderError(game);
}

// An input of the player: dropped while a recording plays, and it stops a walk.
bool playerMayAct(game::Game& game) {
    if (game.extras.replaying)
        return false;
    game.extras.walkTarget.reset();
    return true;
}

void record(game::Game& game, const std::string& command) {
    if (game.extras.recorder)
        game.extras.recorder->input(command);
}

// A control input that reached a handler of the game, recorded as the driver writes it.
bool controlInput(game::Game& game, std::string_view verb, std::string_view control,
                  bool (*door)(game::Game&, std::string_view)) {
    if (!playerMayAct(game))
        return false;
    const bool handled = door(game, control);
    if (handled)
        record(game, std::string(verb) + " " + std::string(control));
    afterEvent(game);
    return handled;
}

// One step of a walk: the arrow button towards the next cell of the way, as the player would
// click it. The walk ends at its target, when no way is left, or as soon as the game does
// anything but walk (a blow, a dialog, a fight, a scene).
void walkOn(game::Game& game) {
    std::optional<int>& target = game.extras.walkTarget;
    if (!target)
        return;
    const auto path = readyToStep(game) ? walkPath(game, *target) : std::nullopt;
    if (!path) {
        target.reset();
        return;
    }
    const world::Status& s = game.status;
    const int from = s.heroCell();
    const int next = path->front();
    if (next == *target)
        target.reset();
    const std::string button(arrowButtonTowards(from, next));
    game::click(game, button);
    record(game, "click " + button);
    if (target && s.heroCell() != next)
        target.reset();
}

void toggle(game::Game& game, bool& switchOn) {
    switchOn = !switchOn;
    saveSwitches(game);
}

// Turned on, the history starts from the position in play; turned off, it is forgotten.
void toggleUndo(game::Game& game) {
    toggle(game, game.extras.allowUndo);
    startHistoryHere(game);
}

// Undo and redo answer only while the switch is on; a recording writes them as they are.
void takeBack(game::Game& game, bool (*move)(game::Game&), const char* command) {
    if (game.extras.allowUndo && move(game))
        record(game, command);
}

void recordEntry(game::Game& game) {
    if (game.extras.recorder) {
        Recorder::stop(game);
        return;
    }
    const auto path = game.platform().askText("Record", kRecordPrompt,
                                              io::inFolder(game.folders.save, "gravenhold.rec"));
    if (!path || path->empty())
        return;
    if (const auto error = Recorder::start(game, *path, game.extras.lastTickMs))
        game.platform().messageBox(*error);
}

// The window looks for the next move off the game's thread once it sees the request; until
// then the message line says that it looks.
void askForHint(game::Game& game) {
    game.extras.hintWanted = true;
    showExtraMessage(game, std::string(kLookingForHint));
}

} // namespace

void showExtraMessage(game::Game& game, const std::string& text) {
    game.composeMessage(text);
    render::disp(game);
    render::present(game);
}

bool extrasMenuEntry(game::Game& game, std::string_view path) {
    if (path == window::Menu::DamageOnMap)
        toggle(game, game.extras.damageOnMap);
    else if (path == window::Menu::ClickToWalk)
        toggle(game, game.extras.clickToWalk);
    else if (path == window::Menu::Record)
        recordEntry(game);
    else if (path == window::Menu::Hint)
        askForHint(game);
    else if (path == window::Menu::AllowUndo)
        toggleUndo(game);
    else if (path == window::Menu::Undo)
        takeBack(game, undo, "undo");
    else if (path == window::Menu::Redo)
        takeBack(game, redo, "redo");
    else
        return false;
    return true;
}

void keyDown(game::Game& game, game::Key key) {
    if (!playerMayAct(game))
        return;
    const bool taken = takesKey(game);
    game::keyDown(game, key);
    if (taken)
        record(game, "key " + std::string(keyName(key)));
    afterEvent(game);
}

bool click(game::Game& game, std::string_view control) {
    return controlInput(game, "click", control, game::click);
}
bool press(game::Game& game, std::string_view control) {
    return controlInput(game, "press", control, game::press);
}
bool release(game::Game& game, std::string_view control) {
    return controlInput(game, "release", control, game::release);
}
bool closeWindow(game::Game& game, std::string_view window) {
    // Closing the main window ends a playback at once: the game is not asked.
    if (game.extras.replaying && (window.empty() || window == window::names::Main)) {
        game.shell.quitRequested = true;
        return true;
    }
    return controlInput(game, "close", window.empty() ? window::names::Main : window,
                        game::closeWindow);
}

bool menuCommand(game::Game& game, std::string_view path) {
    if (!playerMayAct(game))
        return false;
    bool handled = extrasMenuEntry(game, path);
    if (!handled) {
        handled = game::menuCommand(game, path);
        if (handled)
            record(game, "menu " + plainMenuPath(path));
        forgetAfterMenu(game, path);
    }
    afterEvent(game);
    return handled;
}

bool choose(game::Game& game, std::string_view control, int row) {
    if (!playerMayAct(game))
        return false;
    const bool handled = game::choose(game, control, row);
    if (handled)
        record(game, "choose " + std::string(control) + " " + std::to_string(row));
    afterEvent(game);
    return handled;
}

void musicEnded(game::Game& game) {
    if (game.extras.replaying)
        return;
    game::musicEnded(game);
    record(game, "music-ended");
    afterEvent(game);
}

bool timerTick(game::Game& game, std::string_view timer, std::int64_t nowMs) {
    if (game.extras.replaying)
        return false;
    game.extras.lastTickMs = nowMs;
    const bool handled = game::timerTick(game, timer);
    if (handled && game.extras.recorder)
        game.extras.recorder->tick(nowMs, timer);
    if (timer == window::names::WalkTimer)
        walkOn(game);
    afterEvent(game);
    return handled;
}

void clickCell(game::Game& game, int x, int y) {
    if (game.extras.replaying)
        return;
    const bool walking = game.extras.walkTarget.has_value();
    game.extras.walkTarget.reset();
    if (!walking && game.extras.clickToWalk && x >= 0 && x < world::kSide && y >= 0 &&
        y < world::kSide && readyToStep(game) && walkPath(game, world::cellOf(x, y))) {
        game.extras.walkTarget = world::cellOf(x, y);
        walkOn(game);
    }
    afterEvent(game);
}

void showSwitches(game::Game& game) {
    render::checkMenu(game, window::Menu::DamageOnMap, game.extras.damageOnMap);
    render::checkMenu(game, window::Menu::ClickToWalk, game.extras.clickToWalk);
    render::checkMenu(game, window::Menu::Record, game.extras.recorder != nullptr);
    render::enableMenu(game, window::Menu::Extras, !game.extras.replaying);
    render::checkMenu(game, window::Menu::AllowUndo, game.extras.allowUndo);
    render::enableMenu(game, window::Menu::Undo, game.extras.allowUndo && canUndo(game));
    render::enableMenu(game, window::Menu::Redo, game.extras.allowUndo && canRedo(game));
}

void recordWhenQuiet(game::Game& game, const std::string& path) {
    game.extras.recordWhenQuiet = path;
}

} // namespace extras
