// The driver's commands for recorded games and for click to walk:
//   recording N        the opening line of a recording: its format
//   load-state FILE    start from a saved game (relative to the script's folder)
//   item-cursor N      the item slot under the item cursor
//   tick MS NAME       one tick of a timer, MS the recording's clock
//   close WINDOW       the desktop's close command on a window
//   music-ended        the music player's end-of-track notice
//   click-cell X Y     a click on a play-field cell, then the walk it starts, played out
//   undo, redo         take the last move back, play the last move taken back again
#include "extras/inputs.h"
#include "extras/recorder.h"
#include "extras/undo.h"
#include "game/events.h"
#include "game/setup.h"
#include "io/files.h"
#include "persist/saved_games.h"
#include "replay/driver.h"

#include <charconv>
#include <filesystem>
#include <limits>

namespace replay {
namespace {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

std::optional<std::int64_t> whole(std::string_view w, std::int64_t lo, std::int64_t hi) {
    std::int64_t v = 0;
    const auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || ec != std::errc{} || ptr != w.data() + w.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

// Splits "A B" at its first blank: A and the rest; the rest is empty when there is none.
std::pair<std::string_view, std::string_view> split(std::string_view s) {
    const auto blank = s.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {s, {}};
    std::string_view rest = s.substr(blank);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
    return {s.substr(0, blank), rest};
}

} // namespace

std::optional<std::optional<std::string>> Driver::replayCommand(std::string_view cmd,
                                                                std::string_view rest) {
    if (cmd == "recording")
        return recording(rest);
    if (cmd == "load-state")
        return loadState(rest);
    if (cmd == "item-cursor")
        return itemCursor(rest);
    if (cmd == "tick")
        return tick(rest);
    if (cmd == "close")
        return close(rest);
    if (cmd == "click-cell")
        return clickCell(rest);
    if (cmd == "undo" || cmd == "redo") {
        if (!rest.empty())
            return std::optional<std::string>(std::string(cmd) + " takes no argument");
        clock_.sync(game_.window);
        // Nothing to take back, or a game that is not quiet, leaves the line without effect,
        // as a grey menu entry would.
        (void)(cmd == "undo" ? extras::undo(game_) : extras::redo(game_));
        return std::optional<std::string>();
    }
    if (cmd == "music-ended") {
        if (!rest.empty())
            return std::optional<std::string>("music-ended takes no argument");
        game::musicEnded(game_);
        return std::optional<std::string>();
    }
    return std::nullopt;
}

std::optional<std::string> Driver::recording(std::string_view arg) {
    const auto version = whole(arg, 0, std::numeric_limits<std::int32_t>::max());
    if (!version)
        return "recording takes the number of its format";
    if (*version != extras::kRecordingVersion)
        return "a recording of format " + std::to_string(*version) + ": this game plays format " +
               std::to_string(extras::kRecordingVersion);
    return std::nullopt;
}

std::optional<std::string> Driver::loadState(std::string_view arg) {
    if (arg.empty())
        return "load-state takes a file name";
    const std::filesystem::path named{std::string(arg)};
    const std::string path = named.is_absolute()
                                 ? named.string()
                                 : (std::filesystem::path(scriptFolder_) / named).string();
    const persist::ReadGame read = persist::readSavedGame(path);
    if (read.reading == persist::Reading::Missing)
        return "cannot read the saved game \"" + path + "\"";
    if (read.reading == persist::Reading::Damaged)
        return "\"" + path + "\" is not a saved game of Gravenhold";
    clock_.sync(game_.window);
    game::putSavedGame(game_, read.game);
    extras::forgetMoves(game_); // the moves before it are not the recording's
    return std::nullopt;
}

std::optional<std::string> Driver::itemCursor(std::string_view arg) {
    const auto slot = whole(arg, 0, 14);
    if (!slot)
        return "item-cursor takes an item slot 0..14";
    game::placeItemCursor(game_, static_cast<int>(*slot));
    return std::nullopt;
}

std::optional<std::string> Driver::tick(std::string_view arg) {
    const auto [time, name] = split(arg);
    const auto ms = whole(time, 0, std::numeric_limits<std::int64_t>::max() / 2);
    if (!ms || name.empty())
        return "tick takes a time and a timer: tick MS NAME";
    if (*ms < lastTickMs_)
        return "tick at " + std::to_string(*ms) + " ms comes before the tick at " +
               std::to_string(lastTickMs_) + " ms";
    if (!game_.window.findTimer(name))
        return "unknown timer \"" + std::string(name) + "\"";
    lastTickMs_ = *ms;
    game::timerTick(game_, name);
    return std::nullopt;
}

std::optional<std::string> Driver::close(std::string_view arg) {
    if (arg.empty() || (arg != window::names::Main && !game_.window.findWindow(arg)))
        return "unknown window \"" + std::string(arg) + "\"";
    clock_.sync(game_.window);
    game::closeWindow(game_, arg);
    return std::nullopt;
}

std::optional<std::string> Driver::clickCell(std::string_view arg) {
    const auto [xs, ys] = split(arg);
    const auto x = whole(xs, 0, world::kSide - 1);
    const auto y = whole(ys, 0, world::kSide - 1);
    if (!x || !y)
        return "click-cell takes a cell of the play field: click-cell X Y (0..10)";
    clock_.sync(game_.window);
    extras::clickCell(game_, static_cast<int>(*x), static_cast<int>(*y));
    // The walk goes on with its timer's ticks until it ends; then whatever its last step
    // started plays out as after any other input.
    const std::int64_t limit = clock_.now() + kDayMs;
    while (game_.extras.walkTarget) {
        clock_.sync(game_.window);
        const auto name = clock_.takeNext(game_.window, limit);
        if (!name)
            return "click-cell: the walk did not end within 24 hours of virtual time";
        extras::timerTick(game_, *name, clock_.now());
    }
    if (!run())
        return "click-cell: the game was still busy after 24 hours of virtual time";
    return std::nullopt;
}

} // namespace replay
