// The names of the main window that the game reads back: the first message, the arrow buttons
// and menu paths. The item icons' names are in the item table (world/items.h).
#pragma once

#include <array>
#include <string_view>

namespace window {

// The message line before the first redraw.
inline constexpr const char* kFirstMessage = "A brave-man is walking for save the princess.";

inline constexpr std::array<std::string_view, 4> kArrowButtons = {"BitBtn1", "BitBtn2", "BitBtn3",
                                                                  "BitBtn4"};

// Menu entries that the input lock and the options read.
namespace Menu {
inline constexpr std::string_view Ranking = "&Game/&Ranking";
inline constexpr std::string_view Load = "&Game/&Load";
inline constexpr std::string_view Save = "&Game/&Save";
inline constexpr std::string_view Options = "&Options";
inline constexpr std::string_view MouseControl = "&Options/&Mouse Control";
inline constexpr std::string_view KeyboardControl = "&Options/&Keyboard Control";
inline constexpr std::string_view SpeedHigh = "&Options/&Speed/&High";
inline constexpr std::string_view SpeedMiddle = "&Options/&Speed/&Middle";
inline constexpr std::string_view SpeedLow = "&Options/&Speed/&Low";
} // namespace Menu

} // namespace window
