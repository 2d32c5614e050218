// The fifteen special items in the order of their slots Status[17..31]: everything the panel,
// the window, the item cursor and the items' own code need to know of each. The panel shows
// item k in icon k (three to a row) with picture 35 + k of the panel's list.
#pragma once

#include "world/status.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace world {

struct Item {
    int slot;              // its Status slot
    std::string_view icon; // the picture control of its icon in the left panel
    std::string_view name; // the icon's hint
    std::int32_t use;      // 0, or its ItemInUse code while its "Use" / "Don't use" pair is open
    bool clickable;        // a click uses it; the cross, the sword and the gold act by themselves
};

inline constexpr std::array<Item, 15> kItems = {{
    {Slot::OrbOfHero, "Image6", "Orb of Hero", 0, true},
    {Slot::OrbOfWisdom, "Image5", "Orb of Wisdom", 0, true},
    {Slot::OrbOfFlying, "Image4", "Orb of Flying", 0, true},
    {Slot::Cross, "Image7", "Cross", 0, false},
    {Slot::Elixir, "Image8", "Elixir", 5, true},
    {Slot::Mattock, "Image9", "Mattock", 6, true},
    {Slot::DestructibleBall, "Image10", "Destructible Ball", 7, true},
    {Slot::TransferArticle, "Image11", "Treasured Article to Transfer Space", 8, true},
    {Slot::WingToAscend, "Image12", "Wing to Ascend", 9, true},
    {Slot::WingToDescend, "Image13", "Wing to Descend", 10, true},
    {Slot::DragonSlayer, "Image14", "Dragon Slayer", 0, false},
    {Slot::SnowCrystal, "Image15", "Snow Crystal", 12, true},
    {Slot::MagicKey, "Image16", "Magic Key", 13, true},
    {Slot::SuperMattock, "Image17", "Super Mattock", 14, true},
    {Slot::LuckyGold, "Image18", "Lucky Gold", 0, false},
}};

inline constexpr int kItemCount = static_cast<int>(kItems.size());

// Item k sits in slot 17 + k, so a slot and its place in the panel convert both ways.
constexpr bool itemsFollowTheirSlots() {
    for (int k = 0; k < kItemCount; ++k)
        if (kItems[static_cast<std::size_t>(k)].slot != Slot::OrbOfHero + k)
            return false;
    return true;
}
static_assert(itemsFollowTheirSlots());

// Item k (0..14) of the panel.
constexpr const Item& item(int k) {
    return kItems.at(static_cast<std::size_t>(k));
}

// The item whose icon is this control, or nullptr.
constexpr const Item* itemOfIcon(std::string_view icon) {
    for (const Item& it : kItems)
        if (it.icon == icon)
            return &it;
    return nullptr;
}

// The item whose "Use" / "Don't use" pair is open under this ItemInUse code, or nullptr.
constexpr const Item* itemInUse(std::int32_t use) {
    for (const Item& it : kItems)
        if (use != 0 && it.use == use)
            return &it;
    return nullptr;
}

// An item can be used while its slot is 1; the transfer article while it has uses left.
inline bool usable(const Status& s, const Item& it) {
    return it.slot == Slot::TransferArticle ? s[it.slot] > 0 : s[it.slot] == 1;
}

} // namespace world
