// How long Extras > Hint takes and whether its move gets anywhere, run by hand:
//   gravenhold_hint_bench GAME_DIR [--positions N] [--beam N] SAVE...
// For each saved game: the time to the hint, wall and processor (one player kept across hints,
// as the window keeps one), whether following the hint three times gains (a floor higher, or a
// better value: life, strength, keys, gold or cells opened, the hero alive), and the hint.
#include "io/files.h"
#include "io/saved_game.h"
#include "solve/hint_search.h"
#include "solve/search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

constexpr int kFollowed = 3; // hints followed one after the other
solve::HintBudget budget;

// Follows the hint from the position, asking again after each move: the position it leads to.
solve::Position follow(solve::Player& player, solve::Position p, solve::Hint hint) {
    for (int n = 0; n < kFollowed && !hint.move.empty(); ++n) {
        player.restore(p);
        for (const std::string& line : hint.move)
            player.play(line);
        p = player.position();
        if (n + 1 < kFollowed)
            hint = solve::hintFor(player, p, budget);
    }
    return p;
}

} // namespace

int main(int argc, char** argv) {
    int first = 2;
    for (; first + 1 < argc; first += 2) {
        const std::string option = argv[first];
        if (option == "--positions")
            budget.positions = std::stoll(argv[first + 1]);
        else if (option == "--beam")
            budget.beam = std::stoi(argv[first + 1]);
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr,
                     "usage: gravenhold_hint_bench GAME_DIR [--positions N] [--beam N] SAVE...\n");
        return 2;
    }
    const auto made = std::chrono::steady_clock::now();
    solve::Player player(argv[1]);
    std::printf(
        "a player started in %.0f ms\n",
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - made).count());
    std::vector<double> times;
    std::vector<double> cpuTimes;
    int gains = 0;
    for (int i = first; i < argc; ++i) {
        const auto bytes = io::readBytes(argv[i], io::kSaveBytes + 1);
        const auto position = bytes ? io::fromImage(*bytes) : std::nullopt;
        if (!position) {
            std::fprintf(stderr, "%s: no saved game\n", argv[i]);
            return 2;
        }
        const auto began = std::chrono::steady_clock::now();
        const double cpuBegan = threadSeconds();
        const solve::Hint hint = solve::hintFor(player, *position, budget);
        const double cpuMs = (threadSeconds() - cpuBegan) * 1000;
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
                .count();
        times.push_back(ms);
        cpuTimes.push_back(cpuMs);
        bool gain = false;
        if (!hint.move.empty()) {
            const solve::Position after = follow(player, *position, hint);
            const int floorBefore = position->status[world::Slot::HighestFloor];
            gain = after.status[world::Slot::Life] > 0 &&
                   after.status.words != player.newGameStatus().words &&
                   (after.status[world::Slot::HighestFloor] > floorBefore ||
                    solve::valueOf(after) > solve::valueOf(*position));
        }
        gains += gain ? 1 : 0;
        std::printf("%s\t%.0f ms\t%.0f ms cpu\t%s\t%s\n", argv[i], ms, cpuMs, gain ? "gains" : "-",
                    hint.text.c_str());
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
    };
    std::printf("median %.0f ms (cpu %.0f ms), worst %.0f ms (cpu %.0f ms), %d of %zu gain\n",
                median(times), median(cpuTimes), *std::max_element(times.begin(), times.end()),
                *std::max_element(cpuTimes.begin(), cpuTimes.end()), gains, times.size());
    return 0;
}
