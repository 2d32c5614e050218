// The search for a winning lap: a beam over the moves, one generation of moves at a time,
// that keeps the most valuable positions, never keeps a position that another one it has
// seen beats in everything, and plays the moves on both cores.
#pragma once

#include "solve/player.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace solve {

// How a position stands: what the beam sorts on and what the progress line shows.
std::int64_t valueOf(const Position& position);

// True once the first lap is over: the ending has played and the next lap has begun.
bool lapWon(const Position& position);

// The floors where the fairy rates the hero in a first lap, in the order a lap meets her.
inline constexpr std::array<int, 5> kFairyFloors = {10, 20, 40, 49, 25};

// Her points at each of those floors along a route; -1 where she did not rate him.
using FairyPoints = std::array<int, kFairyFloors.size()>;

// The points of every rating summed.
std::int64_t pointsSummed(const FairyPoints& points);

// A won route and what the fairy gave along it.
struct ScoredRoute {
    FairyPoints points{-1, -1, -1, -1, -1};
    std::vector<std::string> route;
    Position end;
};

struct Progress {
    int generation = 0;
    int floorReached = 0;       // the highest floor any position of the beam has reached
    std::int64_t positions = 0; // positions played so far
    double seconds = 0;
    std::int64_t bestValue = 0;
    int wins = 0;                // won routes found (more than one only in a score pass)
    std::int64_t bestPoints = 0; // the most points summed along a won route
};

struct SearchOptions {
    int beamWidth = 150;
    double seconds = 1800;      // the budget; the search stops at the first win or here
    std::int64_t positions = 0; // a budget in positions played as well, when not 0
    // What each point the fairy gives is worth in the value (0: her ratings count only as
    // meetings). Played for score, the search prefers the ways she rates higher.
    std::int64_t ratingWorth = 0;
    // The score pass: the search goes on after the first win, each of her ratings counting in
    // the value (ratingWorth, or kScorePassWorth when that is 0), and keeps the won routes she
    // rates best.
    bool scorePass = false;
    int workers = 2;
    std::function<void(const Progress&)> report; // after every generation, when set
    const std::atomic<bool>* stop = nullptr;     // a request to give up early, when set
};

struct SearchResult {
    bool won = false;
    std::vector<std::string> route; // the lines that play the best position from the start
    std::vector<std::vector<std::string>> moves; // that route, move by move
    Position best;                               // the winning position, or the furthest one
    int floorReached = 0;
    bool exhausted = false; // every position the start leads to was played: nothing is left
    Progress last;
    double wonAfter = 0; // seconds to the first win
    // The score pass: the won route with the most points summed, and for each of her floors
    // the won route she rates highest there (empty where no won route met her).
    ScoredRoute bestScored;
    std::array<ScoredRoute, kFairyFloors.size()> bestAt;
};

// What a point of her rating is worth in the score pass when nothing else is asked for.
inline constexpr std::int64_t kScorePassWorth = 1000;

// Searches from the start position with one player per worker, all playing from the same
// game folder.
SearchResult search(const std::string& gameFolder, const Position& start,
                    const SearchOptions& options);

// The same with players the caller keeps (one worker each): a search that is asked often
// starts no game of its own.
SearchResult search(const std::vector<Player*>& players, const Position& start,
                    const SearchOptions& options);

} // namespace solve
