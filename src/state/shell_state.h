// What the shell keeps for the whole run: the settings lines of KRN10.INI and the quit
// request.
#pragma once

#include <string>
#include <vector>

namespace persist {

// The settings lines as the game holds them.
struct Settings {
    std::vector<std::string> lines; // line 0 save folder, line 1 game folder, line 2 short text
    std::string shortText;          // the first ten characters of line 2
};

} // namespace persist

namespace game {

// What the shell keeps for the whole run.
struct ShellState {
    persist::Settings settings; // the lines of KRN10.INI
    int screenWidth = 1024;     // width of the screen the window opens on; set by the shell
    bool quitRequested = false; // the shell ends the program after the event that set this
};

} // namespace game
