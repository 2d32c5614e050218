// The damage marks on a full floor: 121 monsters of every kind, each mark worked out from the
// orb's forecast and drawn as its own small picture, as the window does on every repaint.
#include "explore/new_game.h"
#include "extras/damage_map.h"
#include "state/game.h"
#include "window/main_window.h"
#include "world/status.h"

#include <benchmark/benchmark.h>

namespace {

void DamageOverlayFullFloor(benchmark::State& state) {
    game::Game game;
    explore::syokidata(game);
    game.window = window::makeWindowModel();
    game.extras.damageOnMap = true;
    game.status[world::Slot::OrbOfHero] = 1;
    game.status[world::Slot::Defense] = 10; // costly fights: labels of several digits
    const int floor = game.status[world::Slot::Floor];
    for (int cell = 0; cell < world::kCells; ++cell) {
        const int kind = cell % 33;
        const int code = kind < 18 ? 61 + 2 * kind : kind < 20 ? 61 : 133 + 2 * (kind - 20);
        game.map.setTile(floor, cell, static_cast<std::uint8_t>(code));
    }
    std::size_t marks = 0;
    for (auto _ : state) {
        const auto overlay = extras::damageOverlay(game);
        marks = overlay.size();
        benchmark::DoNotOptimize(overlay.data());
    }
    state.counters["marks"] = static_cast<double>(marks);
}
BENCHMARK(DamageOverlayFullFloor);

} // namespace
