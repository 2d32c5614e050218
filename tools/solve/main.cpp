// gravenhold-solve: looks for a winning first lap by playing the game's own rules, and writes
// the route it finds as a script of the headless driver.
//   gravenhold-solve [--check] [--game-dir DIR] [--floors DIR] [--from SAVE] [--seconds N]
//                    [--beam N] [--for-score N] [--route FILE] [--score-pass [--score-route FILE]]
//   gravenhold-solve --scores ROUTE [--game-dir DIR]: the fairy's ratings along a route
#include "solve/scores.h"
#include "solve/search.h"
#include "solve/start.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kWon = 0;
constexpr int kNotWon = 1;
constexpr int kUsageError = 2;
constexpr int kRouteBroken = 3; // a fault of the finder: its route plays otherwise

struct Options {
    bool check = false;
    std::string gameDir = GRAVENHOLD_GAME_DIR;
    std::string floors;
    std::string from;
    std::string route;
    std::string scores; // a route whose ratings to print instead of a search
    bool scorePass = false;
    std::string scoreRoute; // where the score pass writes the won route she rates best
    double seconds = 1800;
    int beam = 150;
    int ratingWorth = 0; // --for-score N: what a point of the fairy's rating is worth
};

constexpr const char* kUsage = "usage: gravenhold-solve [--check] [--game-dir DIR] [--floors DIR] "
                               "[--from SAVE] [--seconds N]\n"
                               "                        [--beam N] [--for-score N] [--route FILE]\n"
                               "                        [--score-pass [--score-route FILE]]\n"
                               "       gravenhold-solve --scores ROUTE [--game-dir DIR]\n"
                               "       gravenhold-solve --help | --version\n";

int usage(const std::string& problem) {
    std::cerr << "gravenhold-solve: " << problem << "\n" << kUsage;
    return kUsageError;
}

bool positiveNumber(const std::string& text, int& into) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), into);
    return ec == std::errc{} && end == text.data() + text.size() && into > 0;
}

void showProgress(const solve::Progress& p) {
    const double rate = p.seconds > 0 ? static_cast<double>(p.positions) / p.seconds : 0;
    std::fprintf(stderr, "\rmove %5d  floor %2d  %7.0f positions/s  best value %lld  %6.0f s ",
                 p.generation, p.floorReached, rate, static_cast<long long>(p.bestValue),
                 p.seconds);
    if (p.wins > 0)
        std::fprintf(stderr, " wins %d  most points %lld ", p.wins,
                     static_cast<long long>(p.bestPoints));
}

std::string routeText(bool won, const std::vector<std::string>& route) {
    std::string text = "# A route found by gravenhold-solve: it plays from a new game (prologue "
                       "off)\n# by keys and clicks only";
    text += won ? " and ends in the second lap.\n" : ", as far as the search came.\n";
    for (const std::string& line : route)
        text += line + '\n';
    // Where it ends: life, offense, defense, gold, floor, highest floor, the three keys and
    // the lap.
    for (const int slot : {0, 1, 2, 3, 4, 5, 8, 9, 10, 159})
        text += "print status " + std::to_string(slot) + '\n';
    return text;
}

// The fairy's ratings along a route file, as the table of the route document.
int printScores(const Options& opt) {
    std::ifstream file(opt.scores);
    if (!file)
        return usage("cannot read the route \"" + opt.scores + "\"");
    std::vector<std::string> route;
    for (std::string line; std::getline(file, line);)
        route.push_back(line);
    std::cout << solve::scoreTable(solve::ratingsOf(opt.gameDir, route));
    return 0;
}

bool writeRoute(const std::string& path, const std::string& text) {
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file);
}

// The score pass's findings: her best points at each floor, and the route that sums most.
int reportScorePass(const Options& opt, const solve::Position& start,
                    const solve::SearchResult& result) {
    for (std::size_t k = 0; k < solve::kFairyFloors.size(); ++k) {
        const int best = result.bestAt[k].points[k];
        const int summed = result.bestScored.points[k];
        std::cerr << "floor " << solve::kFairyFloors[k] << ": best "
                  << (best >= 0 ? std::to_string(best) : "none") << ", on the route that sums most "
                  << (summed >= 0 ? std::to_string(summed) : "none") << '\n';
    }
    if (opt.scoreRoute.empty() || result.bestScored.route.empty())
        return kWon;
    if (!solve::routeReaches(opt.gameDir, start, result.bestScored.route, result.bestScored.end)) {
        std::cerr << "gravenhold-solve: the route she rates best does not replay to its end\n";
        return kRouteBroken;
    }
    if (!writeRoute(opt.scoreRoute, routeText(true, result.bestScored.route)))
        return usage("cannot write the route to \"" + opt.scoreRoute + "\"");
    return kWon;
}

int run(const Options& opt) {
    const auto start = solve::startPosition(opt.gameDir, opt.floors, opt.from);
    if (const auto* error = std::get_if<std::string>(&start))
        return usage(*error);
    solve::SearchOptions search;
    search.seconds = opt.seconds;
    search.beamWidth = opt.beam;
    search.ratingWorth = opt.ratingWorth;
    search.scorePass = opt.scorePass;
    search.report = showProgress;
    const solve::SearchResult result =
        solve::search(opt.gameDir, std::get<solve::Position>(start), search);
    std::cerr << '\n';
    if (!solve::routeReaches(opt.gameDir, std::get<solve::Position>(start), result.route,
                             result.best)) {
        std::cerr << "gravenhold-solve: the route found does not replay to its end\n";
        return kRouteBroken;
    }
    const std::string text = routeText(result.won, result.route);
    if (!opt.route.empty()) {
        if (!writeRoute(opt.route, text))
            return usage("cannot write the route to \"" + opt.route + "\"");
    } else if (result.won && !opt.check) {
        std::cout << text;
    }
    const world::Status& s = result.best.status;
    std::cerr << (result.won ? "won" : "no win found") << " after "
              << (result.won ? result.wonAfter : result.last.seconds) << " s; furthest floor "
              << result.floorReached << " (life " << s[0] << ", offense " << s[1] << ", defense "
              << s[2] << ")\n";
    if (opt.check)
        std::cout << (result.won ? "winnable" : "no win found") << ": furthest floor "
                  << result.floorReached << '\n';
    if (!result.won)
        return kNotWon;
    return opt.scorePass ? reportScorePass(opt, std::get<solve::Position>(start), result) : kWon;
}

} // namespace

int main(int argc, char** argv) {
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::cout << "Looks for a winning route through Gravenhold and writes it as a script "
                         "of gravenhold-cli (see gravenhold-solve(6)).\n"
                      << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "gravenhold-solve " GRAVENHOLD_VERSION "\n";
            return 0;
        }
        if (arg == "--check") {
            opt.check = true;
        } else if (arg == "--score-pass") {
            opt.scorePass = true;
        } else if (!hasValue) {
            return usage("unknown argument or missing value \"" + arg + "\"");
        } else if (arg == "--game-dir") {
            opt.gameDir = argv[++i];
        } else if (arg == "--floors") {
            opt.floors = argv[++i];
        } else if (arg == "--from") {
            opt.from = argv[++i];
        } else if (arg == "--route") {
            opt.route = argv[++i];
        } else if (arg == "--score-route") {
            opt.scoreRoute = argv[++i];
        } else if (arg == "--scores") {
            opt.scores = argv[++i];
        } else if (arg == "--seconds" || arg == "--beam" || arg == "--for-score") {
            int n = 0;
            if (!positiveNumber(argv[++i], n))
                return usage(arg + " takes a positive whole number");
            if (arg == "--seconds")
                opt.seconds = n;
            else if (arg == "--beam")
                opt.beam = n;
            else
                opt.ratingWorth = n;
        } else {
            return usage("unknown argument \"" + arg + "\"");
        }
    }
    return opt.scores.empty() ? run(opt) : printScores(opt);
}
