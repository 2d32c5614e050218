// A player's moves: walk by the cheapest road to a cell beside something and step towards it
// (fight, open, pick up, talk, pray, take the stairs), answering whatever it asks, until input
// opens again.
#pragma once

#include "solve/player.h"

#include <array>
#include <string>
#include <vector>

namespace solve {

inline constexpr int kBlowCost = 1000; // a Magician's blow weighs more than any walk

// The cells the hero can walk to on his floor over plain road, each with the cost of its
// cheapest road (steps, and kBlowCost for every step a Magician strikes), or -1.
struct Region {
    int floor = 0;
    std::array<int, 121> cost{};
    std::array<int, 121> from{}; // the cell before it on that road
    // The first cell of the region in reading order: two positions that differ only in where
    // the hero stands inside one region are the same position.
    int representative = 0;
};
Region regionOf(const Position& position);

// The representative of the hero's region alone, without the roads: what tells positions apart.
int representativeOf(const Position& position);

// One move: the lines of the driver's language that play it, and where it ends.
struct Outcome {
    Position position;
    std::vector<std::string> lines;
};

// Every move from the position (which must have input open). A dialogue with several answers
// gives one outcome per answer, a refusal left out when another answer shows.
std::vector<Outcome> movesFrom(Player& player, const Position& position);

} // namespace solve
