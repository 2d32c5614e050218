// What the characters remember between one click and the next: the offer of a talk and the
// item waiting for its "Use". Game holds one of each; none of it is saved.
#pragma once

#include <array>
#include <cstdint>

namespace characters {

// What the characters' dialogue remembers between the offer and the answer. Game holds one.
struct TalkState {
    std::int32_t adviceIndex = 0; // AdviceIndex: the line on screen is catalogue line 62 + it
    std::int32_t shopGoods = 0;   // ShopGoods: the bought-flag slot of the merchant's offer
    std::int64_t shopPrice = 0;   // ShopPrice: gold asked by the merchant or the altar
    bool altarPending = false;    // AltarPending: "Yes" answers the altar, not a merchant
};

// The monster list of the Orb of Hero has room for this many kinds.
inline constexpr int kListedMonsterRows = 7;

// ItemsState: which item waits for its "Use" and which monster kinds the Orb of Hero's list
// shows. Not saved with the game.
struct ItemsState {
    std::int32_t itemInUse = 0; // ItemInUse: 5..14 while the Use / Don't use pair is open
    std::array<std::int32_t, kListedMonsterRows> listedMonsters{}; // kinds in the list's rows
    int listedCount = 0;                                           // rows filled
};

} // namespace characters
