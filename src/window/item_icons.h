// The fifteen item icons of the left panel, in the order of the item slots Status[17..31].
#pragma once

#include "window/names.h"
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
    {world::Slot::OrbOfHero, window::names::Image6, true},
    {world::Slot::OrbOfWisdom, window::names::Image5, true},
    {world::Slot::OrbOfFlying, window::names::Image4, true},
    {world::Slot::Cross, window::names::Image7, false},
    {world::Slot::Elixir, window::names::Image8, true},
    {world::Slot::Mattock, window::names::Image9, true},
    {world::Slot::DestructibleBall, window::names::Image10, true},
    {world::Slot::TransferArticle, window::names::Image11, true},
    {world::Slot::WingToAscend, window::names::Image12, true},
    {world::Slot::WingToDescend, window::names::Image13, true},
    {world::Slot::DragonSlayer, window::names::Image14, false},
    {world::Slot::SnowCrystal, window::names::Image15, true},
    {world::Slot::MagicKey, window::names::Image16, true},
    {world::Slot::SuperMattock, window::names::Image17, true},
    {world::Slot::LuckyGold, window::names::Image18, false},
}};

// The designer name of the icon of item k (0..14), "" outside the panel.
constexpr std::string_view itemIconName(int k) {
    return k >= 0 && k < static_cast<int>(kItemIcons.size())
               ? kItemIcons[static_cast<std::size_t>(k)].icon
               : std::string_view{};
}

// The message line before the first redraw.
inline constexpr const char* kFirstMessage = "A brave-man is walking for save the princess.";

} // namespace window
