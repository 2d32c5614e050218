// Timings of the drawing the game does most: the animation tick, the full redraw of a floor
// and a walk of one cell at speed Low.
#include "explore/movement.h"
#include "explore/new_game.h"
#include "render/play_field.h"
#include "state/game.h"
#include "state/render_state.h"
#include "support/plain_pictures.h"
#include "window/main_window.h"

#include <benchmark/benchmark.h>

namespace {

// A new game with picture lists of distinct 32 x 32 and 16 x 16 pictures.
void prepare(game::Game& game) {
    explore::syokidata(game);
    game.window = window::makeWindowModel();
    testing_game::usePlainPictureLists(game);
    render::mhyouji(game);
    render::yusyahyouji1(game);
}

void AnimationTick(benchmark::State& state) {
    game::Game game;
    prepare(game);
    for (auto _ : state) {
        render::Timer1Timer(game);
        benchmark::DoNotOptimize(game.window.main.screen.picture().pixels.data());
    }
}
BENCHMARK(AnimationTick);

void FullRedraw(benchmark::State& state) {
    game::Game game;
    prepare(game);
    for (auto _ : state) {
        render::mhyouji(game);
        benchmark::DoNotOptimize(game.render.frameB.picture().pixels.data());
    }
}
BENCHMARK(FullRedraw);

// A walk of one cell at speed Low, as the game plays it: 32 sub-steps, each composing the hero
// into the 32 x 64 strip over the two cells and showing frame A on the window, then the hero
// on his new cell. The hero walks up from cell 115 to 104 and is put back after each walk.
void WalkOneCellLow(benchmark::State& state) {
    game::Game game;
    prepare(game);
    game.options.speed = game::Speed::Low;
    game.status[world::Slot::Facing] = 4;
    for (auto _ : state) {
        game.status[world::Slot::HeroX] = 5;
        game.status[world::Slot::HeroY] = 10;
        game.heroCell = 115;
        game.targetCell = 104;
        explore::idou(game);
        benchmark::DoNotOptimize(game.window.main.screen.picture().pixels.data());
    }
}
BENCHMARK(WalkOneCellLow);

} // namespace

BENCHMARK_MAIN();
