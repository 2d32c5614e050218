// The option block: ten bytes of player choices from the Options menu (fonts, speed, control
// mode, prologue, music, sound effects), read from option.dat in the save folder at start-up,
// applied at once when an entry is chosen, and written only by "Save &Option".
#pragma once

#include "state/shell_state.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace game {
struct Game;
}

namespace persist {

inline constexpr OptionBlock kInitialOptions{10, 12, 0, 2, 0, 1, 0, 0, 0, 0};

inline constexpr const char* kOptionFile = "option.dat";

// The option block a file's bytes give: a short file gives the built-in values; otherwise
// each byte is taken as read when it is one the menu can set (either font size of any pair,
// one of the three speeds, 0 or 1 for a switch, 0 for the zero and reserved bytes) and the
// built-in value of that byte replaces any other.
bool validOptionByte(std::size_t n, std::uint8_t value);
OptionBlock optionsFromBytes(std::span<const std::uint8_t> bytes);

// Read the option block from the save folder. A missing or short file gives the built-in
// values, silently: the player simply has not saved options yet.
void optionload(game::Game& game);

// optionl1: apply every option byte to the window: fonts, speed, control mode, the prologue
// mark, music and sound effects.
void optionl1(game::Game& game);

// fontsizein: check the font entry whose pair the block holds (none when no pair matches) and
// give both sizes to their controls.
void fontsizein(game::Game& game);

// Large1Click, Normal1Click, Small1Click, tiny1Click: choose a font pair from the Font menu.
void Large1Click(game::Game& game);
void Normal1Click(game::Game& game);
void Small1Click(game::Game& game);
void tiny1Click(game::Game& game);

// "&Keyboard Control" and "&Mouse Control": switch the control mode and keep its byte.
void keyboardControlEntry(game::Game& game);
void mouseControlEntry(game::Game& game);

// K5Click: "&Prologue" flips its mark and byte.
void K5Click(game::Game& game);

// NormalOption1Click: "&Initialize Option" puts back the initial values and applies them
// (nothing is written).
void NormalOption1Click(game::Game& game);

// OptionSave1Click: "Save &Option" writes the options as they are now to option.dat.
void OptionSave1Click(game::Game& game);

} // namespace persist
