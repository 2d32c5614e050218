// What the shell keeps for the whole run: the settings lines of KRN10.INI and the quit
// request.
#pragma once

#include "io/settings_file.h"

namespace game {

// What the shell keeps for the whole run.
struct ShellState {
    io::Settings settings;      // the lines of KRN10.INI
    int screenWidth = 1024;     // width of the screen the window opens on; set by the shell
    bool quitRequested = false; // the shell ends the program after the event that set this
};

} // namespace game
