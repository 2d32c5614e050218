// What the characters remember between the offer of a talk and the answer. Game holds one;
// none of it is saved.
#pragma once

#include <cstdint>

namespace characters {

// What the characters' dialogue remembers between the offer and the answer. Game holds one.
struct TalkState {
    std::int32_t adviceIndex = 0; // AdviceIndex: the line on screen is catalogue line 62 + it
    std::int32_t shopGoods = 0;   // ShopGoods: the bought-flag slot of the merchant's offer
    std::int64_t shopPrice = 0;   // ShopPrice: gold asked by the merchant or the altar
    bool altarPending = false;    // AltarPending: "Yes" answers the altar, not a merchant
};

} // namespace characters
