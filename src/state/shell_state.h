// What the shell keeps for the whole run: the settings lines of KRN10.INI, the option block
// of the Options menu and the quit request.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace persist {

// The option block: ten bytes of player choices from the Options menu.
inline constexpr std::size_t kOptionBytes = 10;
using OptionBlock = std::array<std::uint8_t, kOptionBytes>;

// What each byte holds.
namespace Option {
enum : std::size_t {
    SmallFont = 0,   // status figures and monster panel: 12, 10, 9 or 8
    DialogFont = 1,  // message line, dialogue box, altar buttons: 14, 12, 11 or 10
    Zero = 2,        // always 0
    Speed = 3,       // 1 High, 2 Middle, 3 Low
    ControlMode = 4, // 0 mouse, 1 keyboard
    Prologue = 5,    // 1 the opening plays at start-up
    Music = 6,       // 1 background music on
    WavOff = 7,      // 1 sound effects off (the inverted sense of Status[89])
};
}

// The values before any file is read.
inline constexpr OptionBlock kBuiltInOptions{10, 12, 0, 1, 0, 1, 0, 0, 0, 0};

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
    persist::OptionBlock options = persist::kBuiltInOptions;
    int screenWidth = 1024;     // width of the screen the window opens on; set by the shell
    bool quitRequested = false; // the shell ends the program after the event that set this
};

} // namespace game
