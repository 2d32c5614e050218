#include "render/ending_view.h"

#include "state/game.h"
#include "state/render_state.h"
#include "window/names.h"

#include <algorithm>
#include <utility>

namespace render {
namespace {

namespace ending = window::names::ending;

constexpr int kMessageLineHeight = 26; // the window stops above the main window's message line

window::Window& endingWindow(game::Game& game) {
    return *game.window.findWindow(window::names::Ending);
}

} // namespace

void openEndingView(game::Game& game, Picture first, Picture final, Picture button) {
    window::Window& w = endingWindow(game);
    const window::Window& main = game.window.main;
    w.left = main.left;
    w.top = main.top;
    w.clientWidth = main.clientWidth;
    w.clientHeight = main.clientHeight - kMessageLineHeight;
    w.screen = Picture(w.clientWidth, w.clientHeight, kWhite);
    showEndingSlide(game, std::move(first));
    window::Control& finalPicture = w.control(ending::Image3);
    finalPicture.picture = std::move(final);
    finalPicture.visible = false;
    w.control(ending::Image2).visible = false;
    w.control(ending::Image4).picture = std::move(button);
    w.control(ending::Image4).visible = false;
    w.control(ending::Panel1).visible = false;
}

void showEndingSlide(game::Game& game, Picture slide) {
    window::Control& first = endingWindow(game).control(ending::Image1);
    first.x = 0;
    first.y = 0;
    first.width = kScreenWidth;
    first.height = kScreenHeight;
    first.picture = std::move(slide);
    first.visible = true;
}

void shrinkEndingSlide(game::Game& game, int k, const Picture& slide, const Picture& theEnd) {
    window::Window& w = endingWindow(game);
    // Behind the shrinking slide, the night sky of "The End", which then unrolls over it: no
    // white flash between the story and its last picture.
    if (k == 1)
        w.screen = Picture(kScreenWidth, kScreenHeight, theEnd.empty() ? kBlack : theEnd.at(0, 0));
    window::Control& first = w.control(ending::Image1);
    first.width = kScreenWidth - 2 * (k * 4 / 5);
    first.height = kScreenHeight - k;
    first.x = (kScreenWidth - first.width) / 2;
    first.y = (kScreenHeight - first.height) / 2;
    first.picture = stretch(slide, first.width, first.height);
}

void unrollTheEnd(game::Game& game, int k, const Picture& theEnd) {
    window::Window& w = endingWindow(game);
    if (k == 1)
        w.control(ending::Image1).visible = false;
    window::Control& control = w.control(ending::Image2);
    Picture& shown = control.picture;
    const int rows = std::min(k + 1, kScreenHeight);
    if (k == 1 || shown.width != kScreenWidth || shown.height > rows) {
        shown = copyRect(theEnd, {0, 0, kScreenWidth, rows});
    } else if (shown.height < rows) {
        // The rows shown so far stay: only the new ones are added below them (black where
        // the picture is shorter, as a copy gives).
        const int from = shown.height;
        shown.pixels.resize(static_cast<std::size_t>(kScreenWidth) * rows);
        shown.height = rows;
        drawRect(shown, 0, from, theEnd, {0, from, kScreenWidth, rows - from});
    }
    control.height = shown.height;
    control.visible = true;
}

} // namespace render
