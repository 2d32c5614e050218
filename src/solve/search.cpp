#include "solve/search.h"

#include "solve/moves.h"
#include "world/tiles.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <unordered_map>

namespace solve {
namespace {

using namespace world::Slot;

// What the hero spends and gains: a position with no less of each, everything else equal,
// is never worse.
constexpr std::array<int, 7> kResources = {Life,
                                           Offense,
                                           Defense,
                                           Gold,
                                           world::Slot::YellowKeys,
                                           world::Slot::RedKeys,
                                           world::Slot::BlueKeys};
using Resources = std::array<std::int32_t, kResources.size()>;

constexpr std::size_t kRoomPerBeam = 100; // positions kept waiting, in beams

// What the value counts besides life, in life.
constexpr std::int64_t kYellowKeyWorth = 200;
constexpr std::int64_t kBlueKeyWorth = 300;
constexpr std::int64_t kRedKeyWorth = 400;
constexpr std::int64_t kTopCellWorth = 300;
constexpr std::int64_t kFairyMeetingWorth = 1000; // her rating is the score of the lap
constexpr std::int64_t kFloorWorth = 500;
constexpr std::int64_t kOpenedCellWorth = 150;

// Words that change nothing the rules decide: where the hero stands inside his region and
// which way he faces (the region stands for them), the sound switches, the sums of a save.
bool ignoredWord(int n) {
    using namespace world::Slot;
    return n == HeroX || n == HeroY || n == Facing || n == WavOff || n == MusicTrack ||
           n >= Checksum;
}

bool isResource(int n) {
    return std::find(kResources.begin(), kResources.end(), n) != kResources.end();
}

// The words of the status block that make a position's shape, listed once.
const std::vector<int> kShapeWords = [] {
    std::vector<int> words;
    for (int n = 0; n < world::kStatusBlockWords; ++n)
        if (!ignoredWord(n) && !isResource(n))
            words.push_back(n);
    return words;
}();

// A hash that takes eight bytes a step: the map alone is 6273 bytes, hashed for every
// position played.
struct Hasher {
    std::uint64_t h = 1469598103934665603ULL;
    void add(std::uint64_t v) {
        h = (h ^ v) * 0x9e3779b97f4a7c15ULL;
        h ^= h >> 29;
    }
};

// The hash of everything but the hero's resources: positions with the same shape differ
// only in life, offense, defense, gold and keys.
std::uint64_t shapeOf(const Position& p) {
    Hasher hash;
    const auto& bytes = p.map.bytes;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        hash.add(word);
    }
    for (; i < bytes.size(); ++i)
        hash.add(bytes[i]);
    for (const int n : kShapeWords)
        hash.add(static_cast<std::uint32_t>(p.status[n]));
    hash.add(static_cast<std::uint64_t>(representativeOf(p)));
    return hash.h;
}

Resources resourcesOf(const Position& p) {
    Resources r{};
    for (std::size_t i = 0; i < kResources.size(); ++i)
        r[i] = p.status[kResources[i]];
    return r;
}

bool covers(const Resources& a, const Resources& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] < b[i])
            return false;
    return true;
}

// Every position kept so far, by shape: a new one that one of them covers is not kept.
class Seen {
  public:
    // True when the position is new and not beaten; it is then remembered.
    bool admit(const Position& p, std::uint64_t shape) {
        std::vector<Resources>& front = byShape_[shape];
        const Resources r = resourcesOf(p);
        if (std::any_of(front.begin(), front.end(),
                        [&](const Resources& o) { return covers(o, r); }))
            return false;
        std::erase_if(front, [&](const Resources& o) { return covers(r, o); });
        front.push_back(r);
        return true;
    }

  private:
    std::unordered_map<std::uint64_t, std::vector<Resources>> byShape_;
};

// The lines of a route, shared by every position that continues it.
struct Step {
    std::shared_ptr<const Step> before;
    std::vector<std::string> lines;
};

struct Node {
    std::shared_ptr<const Position> position;
    std::shared_ptr<const Step> route;
    std::int64_t value = 0;
    FairyPoints points{-1, -1, -1, -1, -1}; // her ratings along the route, in the first lap
};

std::int64_t valueWith(const Node& n, std::int64_t ratingWorth) {
    return valueOf(*n.position) + ratingWorth * pointsSummed(n.points);
}

// A position played and what the search asks of it first, worked out by the worker that
// played it: its shape and its value without the fairy's points.
struct Played {
    Outcome outcome;
    std::uint64_t shape = 0;
    std::int64_t value = 0;
};

Played playedOf(Outcome o) {
    const std::uint64_t shape = shapeOf(o.position);
    const std::int64_t value = valueOf(o.position);
    return {std::move(o), shape, value};
}

Node nodeOf(const Played& p, std::shared_ptr<const Step> route, const FairyPoints& points,
            std::int64_t ratingWorth) {
    return {std::make_shared<const Position>(p.outcome.position), std::move(route),
            p.value + ratingWorth * pointsSummed(points), points};
}

// The fairy's points along the route to the position: those before, and hers if the move
// met her in the first lap.
FairyPoints pointsAfter(const Node& before, const Position& after) {
    using world::Slot::FairyMeetings;
    FairyPoints points = before.points;
    const bool met = after.status[FairyMeetings] > before.position->status[FairyMeetings] &&
                     after.status[LapLevel] == 0;
    const auto at =
        std::find(kFairyFloors.begin(), kFairyFloors.end(), after.status[world::Slot::Floor]);
    if (met && at != kFairyFloors.end())
        points[static_cast<std::size_t>(at - kFairyFloors.begin())] =
            after.status[world::Slot::FairyValuation];
    return points;
}

// The steps of a route from the first.
std::vector<const Step*> stepsOf(const std::shared_ptr<const Step>& last) {
    std::vector<const Step*> steps;
    for (const Step* s = last.get(); s; s = s->before.get())
        steps.push_back(s);
    std::reverse(steps.begin(), steps.end());
    return steps;
}

// Plays every move of the beam, each worker with its own player taking every n-th node.
std::vector<std::vector<Played>> expand(const std::vector<Player*>& players,
                                        const std::vector<Node>& beam) {
    std::vector<std::vector<Played>> played(beam.size());
    const auto play = [&](Player& player, std::size_t i) {
        for (Outcome& o : movesFrom(player, *beam[i].position))
            played[i].push_back(playedOf(std::move(o)));
    };
    const std::size_t workers = players.size();
    if (workers == 1) { // the caller's thread is the worker
        for (std::size_t i = 0; i < beam.size(); ++i)
            play(*players.front(), i);
        return played;
    }
    std::vector<std::thread> threads;
    for (std::size_t w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (std::size_t i = w; i < beam.size(); i += workers)
                play(*players[w], i);
        });
    }
    for (std::thread& t : threads)
        t.join();
    return played;
}

// A lost fight ends the game and starts a new one: the status of a new game comes back.
bool lost(const world::Status& newGame, const Position& after) {
    return after.status[Life] <= 0 || after.status.words == newGame.words;
}

// The furthest position: the highest floor reached, then the most valuable.
bool further(const Node& a, const Node& b) {
    const int fa = a.position->status[HighestFloor];
    const int fb = b.position->status[HighestFloor];
    return fa != fb ? fa > fb : a.value > b.value;
}

// A won lap has been to the top; the next lap starts again from floor 1.
int floorReached(bool won, const Position& p) {
    return won ? world::kTopFloor : p.status[HighestFloor];
}

bool better(const Node& a, const Node& b) {
    return further(a, b);
}

// Which stock of keys a position holds: yellow keys up to five, and whether it holds a blue
// or red one. Positions of every stock are kept side by side, so that the most valuable way
// (which may have spent every key on the rooms below) cannot crowd out the ways that kept
// the keys the doors above will ask for.
constexpr int kStocks = 12;
int stockOf(const Node& n) {
    const world::Status& s = n.position->status;
    const int yellow = std::min(s[world::Slot::YellowKeys], 5);
    const int other = s[world::Slot::BlueKeys] + s[world::Slot::RedKeys] > 0 ? 1 : 0;
    return yellow * 2 + other;
}

// Takes the best `count` of the sorted nodes out of `from`: first up to a share for each
// stock, best first, then the best of the rest.
std::vector<Node> takeBest(std::vector<Node>& from, std::size_t count) {
    if (from.size() <= count) {
        std::vector<Node> all = std::move(from);
        from.clear();
        return all;
    }
    const std::size_t share = std::max<std::size_t>(1, count / (kStocks / 2));
    std::array<std::size_t, kStocks> taken{};
    std::vector<bool> chosen(from.size(), false);
    std::size_t picked = 0;
    for (std::size_t i = 0; i < from.size() && picked < count; ++i) {
        std::size_t& t = taken[static_cast<std::size_t>(stockOf(from[i]))];
        if (t < share) {
            ++t;
            chosen[i] = true;
            ++picked;
        }
    }
    for (std::size_t i = 0; i < from.size() && picked < count; ++i) {
        if (!chosen[i]) {
            chosen[i] = true;
            ++picked;
        }
    }
    std::vector<Node> best;
    std::vector<Node> rest;
    for (std::size_t i = 0; i < from.size(); ++i)
        (chosen[i] ? best : rest).push_back(std::move(from[i]));
    from = std::move(rest);
    return best;
}

// The positions waiting to be played on, the most promising first. Past its room the least
// promising are forgotten (each stock of keys keeping its share); the rest stay, so that when every
// continuation of the best runs into a dead end the search goes back to the next best.
class Waiting {
  public:
    explicit Waiting(std::size_t room) : room_(room) {}
    void add(Node n) { fresh_.push_back(std::move(n)); }

    // Values every waiting position again, her points worth `ratingWorth` each.
    void revalue(std::int64_t ratingWorth) {
        for (std::vector<Node>* nodes : {&fresh_, &older_}) {
            for (Node& n : *nodes)
                n.value = valueWith(n, ratingWorth);
            std::stable_sort(nodes->begin(), nodes->end(), better);
        }
    }

    // The next beam: the positions added since the last call, best first, before the older
    // ones, and of each stock of keys its share, from the older ones when the new ones have
    // none of it. The rest wait with the older ones.
    std::vector<Node> takeNext(std::size_t count) {
        std::stable_sort(fresh_.begin(), fresh_.end(), better);
        std::vector<Node> all = std::move(fresh_);
        fresh_.clear();
        all.insert(all.end(), std::make_move_iterator(older_.begin()),
                   std::make_move_iterator(older_.end()));
        std::vector<Node> best = takeBest(all, count);
        std::stable_sort(all.begin(), all.end(), better);
        older_ = takeBest(all, room_); // keeps the order it takes them in
        return best;
    }

  private:
    std::size_t room_;
    std::vector<Node> fresh_;
    std::vector<Node> older_;
};

} // namespace

std::int64_t valueOf(const Position& p) {
    const world::Status& s = p.status;
    // Offense and defense are worth more life the higher the monsters stand.
    const std::int64_t strength = 10 + 2 * std::int64_t{s[HighestFloor]};
    // Every cell opened up (a door opened, a monster beaten, a thing taken) is worth
    // something of its own: it is the way on.
    const auto road = std::count(p.map.bytes.begin(), p.map.bytes.end(), world::Tile::Road);
    const std::int64_t keys = kYellowKeyWorth * s[world::Slot::YellowKeys] +
                              kBlueKeyWorth * s[world::Slot::BlueKeys] +
                              kRedKeyWorth * s[world::Slot::RedKeys];
    // The cells opened up on the highest floor are the way to the next floor: each counts
    // again, so that the way through the top floor is not put off for the rooms below.
    const auto top = p.map.bytes.begin() +
                     static_cast<std::ptrdiff_t>(world::TowerMap::cellOffset(s[HighestFloor], 0));
    const auto topRoad = std::count(top, top + world::kCells, world::Tile::Road);
    return std::int64_t{s[Life]} + strength * (std::int64_t{s[Offense]} + s[Defense]) + keys +
           s[Gold] / 3 + kFloorWorth * s[HighestFloor] + kOpenedCellWorth * road +
           kTopCellWorth * topRoad + kFairyMeetingWorth * s[world::Slot::FairyMeetings];
}

bool lapWon(const Position& position) {
    return position.status[LapLevel] != 0;
}

std::int64_t pointsSummed(const FairyPoints& points) {
    std::int64_t sum = 0;
    for (const int p : points)
        sum += std::max(p, 0);
    return sum;
}

namespace {

std::vector<std::string> linesOf(const std::shared_ptr<const Step>& last) {
    std::vector<std::string> lines;
    for (const Step* step : stepsOf(last))
        lines.insert(lines.end(), step->lines.begin(), step->lines.end());
    return lines;
}

ScoredRoute scoredRouteOf(const Node& n) {
    return {n.points, linesOf(n.route), *n.position};
}

// The won routes of a score pass that she rates best: the most points summed, and the most
// at each of her floors. The first found keeps its place in a tie.
class WonRoutes {
  public:
    void add(const Node& n) {
        ++count_;
        if (!summed_ || pointsSummed(n.points) > pointsSummed(summed_->points))
            summed_ = n;
        for (std::size_t k = 0; k < kFairyFloors.size(); ++k)
            if (n.points[k] >= 0 && (!at_[k] || n.points[k] > at_[k]->points[k]))
                at_[k] = n;
    }
    int count() const { return count_; }
    std::int64_t bestPoints() const { return summed_ ? pointsSummed(summed_->points) : 0; }

    void into(SearchResult& result) const {
        if (summed_)
            result.bestScored = scoredRouteOf(*summed_);
        for (std::size_t k = 0; k < kFairyFloors.size(); ++k)
            if (at_[k])
                result.bestAt[k] = scoredRouteOf(*at_[k]);
    }

  private:
    int count_ = 0;
    std::optional<Node> summed_;
    std::array<std::optional<Node>, kFairyFloors.size()> at_;
};

} // namespace

SearchResult search(const std::string& gameFolder, const Position& start,
                    const SearchOptions& options) {
    std::vector<std::unique_ptr<Player>> players;
    std::vector<Player*> workers;
    for (int w = 0; w < std::max(1, options.workers); ++w)
        workers.push_back(players.emplace_back(std::make_unique<Player>(gameFolder)).get());
    return search(workers, start, options);
}

SearchResult search(const std::vector<Player*>& players, const Position& start,
                    const SearchOptions& options) {
    const auto began = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
    const auto withinBudget = [&](const Progress& p) {
        return elapsed() < options.seconds &&
               (options.positions <= 0 || p.positions < options.positions) &&
               !(options.stop && options.stop->load());
    };
    const world::Status& newGame = players.front()->newGameStatus();
    const bool startWon = lapWon(start);
    Seen seen;
    seen.admit(start, shapeOf(start));
    const auto width = static_cast<std::size_t>(std::max(1, options.beamWidth));
    Waiting waiting(width * kRoomPerBeam);
    std::int64_t ratingWorth = options.ratingWorth;
    Node furthest = nodeOf(playedOf({start, {}}), nullptr, Node{}.points, ratingWorth);
    std::vector<Node> beam = {furthest};
    SearchResult result;
    Progress& progress = result.last;
    WonRoutes wins;
    // Without the score pass the search ends at the first win.
    const auto searching = [&] { return !result.won || options.scorePass; };
    while (!beam.empty() && searching() && withinBudget(progress)) {
        const auto outcomes = expand(players, beam);
        for (std::size_t i = 0; i < beam.size() && searching(); ++i) {
            for (const Played& played : outcomes[i]) {
                const Outcome& o = played.outcome;
                ++progress.positions;
                if (lost(newGame, o.position) || !seen.admit(o.position, played.shape))
                    continue;
                Node n = nodeOf(played, std::make_shared<const Step>(Step{beam[i].route, o.lines}),
                                pointsAfter(beam[i], o.position), ratingWorth);
                const bool won = !startWon && lapWon(o.position);
                if (won && !result.won) {
                    result.won = true;
                    result.wonAfter = elapsed();
                    furthest = n;
                    // From here on her ratings count, for the positions already waiting too.
                    if (options.scorePass && ratingWorth == 0) {
                        ratingWorth = kScorePassWorth;
                        waiting.revalue(ratingWorth);
                    }
                }
                if (won) {
                    wins.add(n);
                    if (!options.scorePass)
                        break;
                    continue; // a won lap is a whole route: nothing more is played from it
                }
                if (!result.won && further(n, furthest))
                    furthest = n;
                waiting.add(std::move(n));
            }
        }
        // The next beam: the best of this generation's positions, topped up from the best
        // of the older ones waiting when this generation has too few.
        beam = waiting.takeNext(width);
        ++progress.generation;
        progress.floorReached = floorReached(result.won, *furthest.position);
        progress.bestValue = furthest.value;
        progress.wins = wins.count();
        progress.bestPoints = wins.bestPoints();
        progress.seconds = elapsed();
        if (options.report)
            options.report(progress);
    }
    progress.seconds = elapsed();
    result.exhausted = beam.empty();
    result.best = *furthest.position;
    result.floorReached = floorReached(result.won, *furthest.position);
    for (const Step* step : stepsOf(furthest.route)) {
        result.route.insert(result.route.end(), step->lines.begin(), step->lines.end());
        result.moves.push_back(step->lines);
    }
    if (options.scorePass)
        wins.into(result);
    return result;
}

} // namespace solve
