// The fairy's ratings along a route: where she rates the hero in the first lap, what he holds
// there and the points she gives, as the table of the route document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace solve {

struct Rating {
    int floor = 0;
    std::int32_t life = 0;
    std::int32_t offense = 0;
    std::int32_t defense = 0;
    std::int32_t yellowKeys = 0;
    std::int32_t blueKeys = 0;
    std::int32_t redKeys = 0;
    std::int32_t points = 0;
};

// Plays the route (lines of the driver's language) from a new game and keeps every rating of
// the first lap, in order.
std::vector<Rating> ratingsOf(const std::string& gameFolder, const std::vector<std::string>& route);

// The ratings as a markdown table: checkpoint, life / offense / defense, keys, points.
std::string scoreTable(const std::vector<Rating>& ratings);

} // namespace solve
