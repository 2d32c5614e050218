// The Options menu and option.dat: the player's choices (fonts, speed, control mode, prologue,
// music, sound effects) read from option.dat in the save folder at start-up, applied at once
// when an entry is chosen, and written only by "Save &Option". Every entry of the menu is
// handled here; the menu's check marks are a view of the game's options.
#pragma once

#include "state/option_choices.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace game {
struct Game;
}

namespace persist {

inline constexpr const char* kOptionFile = "option.dat";

// option.dat: ten bytes, one choice per byte.
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
    WavOff = 7,      // 1 sound effects off (the inverted sense of the switch)
};                   // bytes 8 and 9 are reserved and always 0
} // namespace Option

// The options a file's bytes give: a short file gives the built-in values; otherwise each
// byte is taken as read when it is one the menu can set (either font size of any pair, one of
// the three speeds, 0 or 1 for a switch) and the built-in value of that byte replaces any
// other.
game::Options optionsFromBytes(std::span<const std::uint8_t> bytes);

// The ten bytes option.dat holds for the options.
OptionBlock optionBytes(const game::Options& options);

// Read the options from the save folder. A missing or short file gives the built-in values,
// silently: the player simply has not saved options yet.
void optionload(game::Game& game);

// optionl1: apply every option to the window: fonts, speed, control mode, the prologue mark,
// music and sound effects.
void optionl1(game::Game& game);

// fontsizein: give both font sizes to their controls and check the Font entry whose pair they
// are (none when no pair matches).
void fontsizein(game::Game& game);

// The entries of the Options menu.
// "&Mouse Control", "&Keyboard Control": switch the control mode.
void MouseControl1Click(game::Game& game);
void KeyboardControl1Click(game::Game& game);
// "&High", "&Middle", "&Low" under "&Speed".
void chooseSpeed(game::Game& game, game::Speed speed);
template <game::Speed S> void speedClick(game::Game& game) {
    chooseSpeed(game, S);
}
// K5Click: "&Prologue" flips the prologue.
void K5Click(game::Game& game);
// wavon1Click: "&Wav Sound On" switches the sound effects the other way.
void wavon1Click(game::Game& game);
// BGMON1Click: "&BGM On" turns the music off while a track is selected, otherwise on.
void BGMON1Click(game::Game& game);
// Large1Click, Normal1Click, Small1Click, tiny1Click: choose a font pair from the Font menu.
void Large1Click(game::Game& game);
void Normal1Click(game::Game& game);
void Small1Click(game::Game& game);
void tiny1Click(game::Game& game);
// NormalOption1Click: "&Initialize Option" puts back the initial values and applies them
// (nothing is written).
void NormalOption1Click(game::Game& game);
// OptionSave1Click: "Save &Option" writes the options as they are now to option.dat.
void OptionSave1Click(game::Game& game);

} // namespace persist
