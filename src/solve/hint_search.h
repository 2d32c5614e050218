// The hint: a short search from the game as it stands for the next way on, told as what the
// hero does first ("pick up the yellow key at 2, 9, then open the yellow door at 5, 8"), or
// plainly that there is no way on.
#pragma once

#include "solve/player.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace solve {

struct HintBudget {
    std::int64_t positions = 2500; // the search plays no more positions than this
    double seconds = 2.5;          // nor takes longer
    int beam = 12;
    const std::atomic<bool>* stop = nullptr; // a request to give up early, when set
};

// What the hero does on a route, in the player's words: each step or click that changes the
// game ("fight the Green Slime at 6, 10", "use the Mattock"), at most `most` of them. A step
// that changes nothing (a door without its key) is not counted. Plays the lines from `start`.
std::vector<std::string> actionsOf(Player& player, const Position& start,
                                   const std::vector<std::string>& lines, std::size_t most);

struct Hint {
    std::string text;              // for the message line, starting "Hint: "
    std::vector<std::string> move; // the lines of the move it names first; empty when none
};

// The hint for the position. The player's game is used to play the search; the position
// itself is left as it was.
Hint hintFor(Player& player, const Position& position, const HintBudget& budget);

} // namespace solve
