// The player's inputs with our extras on top. The window sends every key, click, menu
// command and timer tick through here instead of straight to the game: the Extras menu is
// handled here, a walk started by a click on the field goes on with its own timer's ticks, the
// recorder takes down what the game accepted, and during a playback the player's own input
// is closed. Everything else reaches the game exactly as it came.
#pragma once

#include "window/names.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace game {
struct Game;
enum class Key;
} // namespace game

namespace extras {

void keyDown(game::Game& game, game::Key key);
bool click(game::Game& game, std::string_view control);
bool press(game::Game& game, std::string_view control);
bool release(game::Game& game, std::string_view control);
bool menuCommand(game::Game& game, std::string_view path);
bool choose(game::Game& game, std::string_view control, int row);
bool closeWindow(game::Game& game, std::string_view window);
void musicEnded(game::Game& game);

// Runs an entry of the Extras menu; false for any other menu path.
bool extrasMenuEntry(game::Game& game, std::string_view path);

// The message line shows an extra's own text (a hint); the game's next message replaces it.
void showExtraMessage(game::Game& game, const std::string& text);

// A tick of a timer at the shell's clock time nowMs (milliseconds, any fixed origin). A
// walk takes its next step on the tick of its own timer (WalkTimer).
bool timerTick(game::Game& game, std::string_view timer, std::int64_t nowMs);

// A click on cell (x, y) of the play field (0..10 each). Under mouse control with "Click to
// Walk" on it starts a walk there; a click while the hero walks stops him.
void clickCell(game::Game& game, int x, int y);

// The menu's check marks after the switches changed (settings read, playback begun).
void showSwitches(game::Game& game);

// Record from the next quiet moment on into `path` (the shell's --record): the recording
// begins with the first input or tick at which the hero stands still in free play.
void recordWhenQuiet(game::Game& game, const std::string& path);

} // namespace extras
