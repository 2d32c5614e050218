// The names of the main window that the game reads back: the fifteen item icons of the left
// panel, in the order of the item slots Status[17..31], the arrow buttons and menu paths.
#pragma once

#include "world/status.h"

#include <array>
#include <string_view>

namespace window {

struct ItemIcon {
    int slot;              // Status slot of the item
    std::string_view icon; // its picture control
    bool clickable;        // used by a click; the others act by themselves
};

inline constexpr std::array<ItemIcon, 15> kItemIcons = {{
    {world::Slot::OrbOfHero, "Image6", true},
    {world::Slot::OrbOfWisdom, "Image5", true},
    {world::Slot::OrbOfFlying, "Image4", true},
    {world::Slot::Cross, "Image7", false},
    {world::Slot::Elixir, "Image8", true},
    {world::Slot::Mattock, "Image9", true},
    {world::Slot::DestructibleBall, "Image10", true},
    {world::Slot::TransferArticle, "Image11", true},
    {world::Slot::WingToAscend, "Image12", true},
    {world::Slot::WingToDescend, "Image13", true},
    {world::Slot::DragonSlayer, "Image14", false},
    {world::Slot::SnowCrystal, "Image15", true},
    {world::Slot::MagicKey, "Image16", true},
    {world::Slot::SuperMattock, "Image17", true},
    {world::Slot::LuckyGold, "Image18", false},
}};

// The designer name of the icon of item k (0..14), "" outside the panel.
constexpr std::string_view itemIconName(int k) {
    return k >= 0 && k < static_cast<int>(kItemIcons.size())
               ? kItemIcons[static_cast<std::size_t>(k)].icon
               : std::string_view{};
}

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
inline constexpr std::string_view Prologue = "&Options/&Prologue";
inline constexpr std::string_view WavSound = "&Options/&Wav Sound On";
inline constexpr std::string_view Music = "&Options/&BGM On";
inline constexpr std::string_view FontBig = "&Options/&Font/&Big";
inline constexpr std::string_view FontNormal = "&Options/&Font/&Normal";
inline constexpr std::string_view FontSmall = "&Options/&Font/&Small";
inline constexpr std::string_view FontTiny = "&Options/&Font/&Tiny";
inline constexpr std::string_view ChangeDataSpot = "&Options/&Change Data Spot";
inline constexpr std::string_view SaveOption = "&Options/Save &Option";
inline constexpr std::string_view InitializeOption = "&Options/&Initialize Option";
} // namespace Menu

} // namespace window
