// The doors into the game: every key, click, menu command and timer tick of the window (or
// of the headless driver) arrives through these functions and nothing else.
#pragma once

#include "state/key.h"

#include <string_view>

namespace game {

struct Game;

// formactivate: the start-up sequence, run once when the main window is first shown.
void startUp(Game& game);

// A key pressed in the main window.
void keyDown(Game& game, Key key);

// A click, a mouse press or a mouse release on a control. Controls of secondary windows are
// named "About.OKButton", "Ranking.Button1". False when no such control exists.
bool click(Game& game, std::string_view control);
bool press(Game& game, std::string_view control);
bool release(Game& game, std::string_view control);

// A menu command by its path of captions with their access letters ("&Game/Game &Start").
// False when no such entry exists.
bool menuCommand(Game& game, std::string_view path);

// A tick of a running timer ("Timer1".."Timer4", "About.Timer1", "Ending.Timer1").
// False when no such timer exists.
bool timerTick(Game& game, std::string_view timer);

// A row chosen in a list box of a secondary window ("DataFolder.DirectoryListBox1"; row 0 is
// the first line). False when no such list takes a choice.
bool choose(Game& game, std::string_view control, int row);

// The music player's notice that its track ended normally (the shell brings it from the
// audio thread to the event thread first): the track starts again.
void musicEnded(Game& game);

// The desktop's close command on a window ("" or "Main", "About", "Ranking"...). False when
// the window has no close handler.
bool closeWindow(Game& game, std::string_view window);

} // namespace game
