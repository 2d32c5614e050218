// What the special items remember between one click and the next: the item waiting for its
// "Use" and the rows of the Orb of Hero's list. Game holds one; none of it is saved.
#pragma once

#include <array>
#include <cstdint>

namespace items {

// The monster list of the Orb of Hero has room for this many kinds.
inline constexpr int kListedMonsterRows = 7;

// ItemsState: which item waits for its "Use" and which monster kinds the Orb of Hero's list
// shows. Not saved with the game.
struct ItemsState {
    std::int32_t itemInUse = 0; // ItemInUse: 5..14 while the Use / Don't use pair is open
    std::array<std::int32_t, kListedMonsterRows> listedMonsters{}; // kinds in the list's rows
    int listedCount = 0;                                           // rows filled
};

} // namespace items
