// Timings of the fight arithmetic: the forecast of the costliest later-lap fight, and the
// scripting of a fight of 1000 exchanges.
#include "combat/battle.h"
#include "combat/damage.h"
#include "combat/monsters.h"
#include "explore/new_game.h"
#include "state/game.h"
#include "window/main_window.h"
#include "world/tiles.h"

#include <benchmark/benchmark.h>

namespace {

// The forecast against a later-lap monster of 360000 x 44 life with an offense one above its
// defense: 15840000 blows, counted at once.
void WorstLaterLapForecast(benchmark::State& state) {
    game::Game game;
    game.status[world::Slot::LapLevel] = world::kLaterLap;
    game.combat.monsterStats[combat::Monster::Zeno] = {360000, 5000, 1000, 500};
    game.combat.currentMonster = combat::Monster::Zeno;
    game.status[world::Slot::Offense] = 44001;
    game.status[world::Slot::Defense] = 0;
    for (auto _ : state) {
        combat::obudameiji(game);
        benchmark::DoNotOptimize(game.combat.expectedDamage);
        benchmark::DoNotOptimize(game.combat.forecastText.data());
    }
    state.counters["blows"] = game.combat.blowCount;
}
BENCHMARK(WorstLaterLapForecast);

// A scene's fight of 1000 exchanges (Zeno's row made a 1000-life monster that the hero wounds
// one point a blow), decided and written onto the command stack.
void ScriptThousandExchanges(benchmark::State& state) {
    game::Game game;
    game.window = window::makeWindowModel();
    explore::syokidata(game);
    game.combat.monsterStats[combat::Monster::Zeno] = {1000, 2, 0, 500};
    game.status[world::Slot::Life] = 1000000;
    game.status[world::Slot::Offense] = 1;
    game.status[world::Slot::Defense] = 1;
    constexpr int kCell = 104;
    for (auto _ : state) {
        game.map.setTile(1, kCell, world::Tile::Zeno);
        game.explore.stack.clear();
        combat::taisen2(game, kCell);
        benchmark::DoNotOptimize(game.explore.stack.size());
    }
    state.counters["entries"] = game.explore.stack.size();
}
BENCHMARK(ScriptThousandExchanges);

} // namespace
