// The fight's working values and the game's own copy of the monster table.
#pragma once

#include "state/monster_table.h"

#include <cstdint>
#include <string>

namespace combat {

inline constexpr std::int32_t kNoMonster = -1;

// CombatState: what the last fight or forecast worked out. Not saved with the game.
struct CombatState {
    std::int32_t currentMonster = kNoMonster;  // CurrentMonster: the kind fought or listed
    std::int32_t blowCount = 0;                // BlowCount: blows of the last count
    std::int32_t expectedDamage = 0;           // ExpectedDamage: the last damage worked out
    std::int32_t monsterLifeLeft = 0;          // MonsterLifeLeft: shown during a fight
    std::string monsterName;                   // MonsterName: the current monster's name
    std::string forecastText;                  // ForecastText: "Expected damage N" or refusal
    MonsterTable monsterStats = kMonsterStats; // MonsterStats: only Zeno's row changes
};

} // namespace combat
