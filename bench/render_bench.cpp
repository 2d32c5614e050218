// Timings of the drawing the game does most: the animation tick, the full redraw of a floor
// and the frame copies of a walk of one cell at speed Low.
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
    game::syokidata(game);
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
        benchmark::DoNotOptimize(game.window.main.screen.pixels.data());
    }
}
BENCHMARK(AnimationTick);

void FullRedraw(benchmark::State& state) {
    game::Game game;
    prepare(game);
    for (auto _ : state) {
        render::mhyouji(game);
        benchmark::DoNotOptimize(game.render.frameB.pixels.data());
    }
}
BENCHMARK(FullRedraw);

// The drawing of a walk up one cell at speed Low: 32 sub-steps, each composing the hero into
// the 32 x 64 strip over the two cells and copying frame A onto the window.
void WalkOneCellLow(benchmark::State& state) {
    game::Game game;
    prepare(game);
    render::RenderState& r = game.render;
    const int heroCell = 115;
    const render::Rect strip{5 * 32, 9 * 32, 32, 64};
    for (auto _ : state) {
        render::redrawCell(game, heroCell);
        for (int d = 1; d <= 32; ++d) {
            const bool poseOne = d % 8 == 0;
            render::Picture& frame = poseOne ? r.frameA : r.frameB;
            render::Picture work = render::copyRect(r.frameA, strip);
            const int sprite = poseOne ? 208 : 210;
            render::kasanegakiAt(work, 0, 32 - d, *r.imageList1.find(sprite),
                                 *r.imageList1.find(sprite + 1));
            render::draw(frame, strip.x, strip.y, work);
            render::show(game);
        }
        benchmark::DoNotOptimize(game.window.main.screen.pixels.data());
    }
}
BENCHMARK(WalkOneCellLow);

} // namespace

BENCHMARK_MAIN();
