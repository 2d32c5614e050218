#include "explore/new_game.h"
#include "picture/bmp.h"
#include "picture/picture_list.h"
#include "render/controls.h"
#include "render/play_field.h"
#include "scenes/opening.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/names.h"

namespace scenes {
namespace {

using render::Picture;

constexpr int kLastFrame = 20;     // the frame that ends the prologue
constexpr int kLastHeroFrame = 18; // the hero is drawn up to this frame
constexpr int kHeroLeft = 304;     // the hero's first place, bottom centre of the tower picture
constexpr int kHeroTop = 368;
constexpr int kHeroRight = 336;
constexpr int kHeroBottom = 400;

// The hero seen from behind, in two steps, with the masks of his walk upwards.
struct WalkPose {
    int picture;
    int mask;
};
constexpr WalkPose kEvenPose{216, 209};
constexpr WalkPose kOddPose{217, 211};

int intervalOf(int f) {
    if (f < 8)
        return 350;
    return f <= 14 ? 250 : 150;
}

Picture listPicture(const render::PictureList& list, int n) {
    Picture p(render::kCellSide, render::kCellSide);
    render::drawListPicture(p, 0, 0, list, n);
    return p;
}

} // namespace

void showPrologueFrame(game::Game& game) {
    if (!game.render.pictures)
        return;
    const int f = game.scenes.prologueFrame;
    Picture tower(render::kScreenWidth, render::kScreenHeight);
    const render::PictureResult loaded =
        game.render.files.read(render::dataPath(game.folders.game, "open0.bmp"));
    if (loaded.ok())
        render::draw(tower, 0, 0, loaded.picture);
    if (f <= kLastHeroFrame) {
        const WalkPose pose = f % 2 == 1 ? kOddPose : kEvenPose;
        const int x = kHeroLeft + f;
        const int y = kHeroTop + f;
        const int w = kHeroRight - x;
        const int h = kHeroBottom - y;
        const auto& list = game.render.imageList1;
        render::kasanegakiAt(tower, x, y, render::stretch(listPicture(list, pose.picture), w, h),
                             render::stretch(listPicture(list, pose.mask), w, h));
    }
    render::paintOnWindow(game, 0, 0, tower);
}

void timer4ontimer(game::Game& game) {
    int& f = game.scenes.prologueFrame;
    render::setTimerInterval(game, window::names::Timer4, intervalOf(f));
    showPrologueFrame(game);
    f += 1;
    if (f == kLastFrame)
        endPrologue(game);
}

void endPrologue(game::Game& game) {
    game.scenes.prologueFrame = 0;
    render::setTimerRunning(game, window::names::Timer4, false);
    game.status[world::Slot::LapLevel] = 0;
    game.status[world::Slot::KeepProgress] = 0;
    explore::gameover(game);
}

} // namespace scenes
