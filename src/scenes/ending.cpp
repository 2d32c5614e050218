#include "scenes/ending.h"

#include "picture/bmp.h"
#include "render/panel.h"
#include "state/game.h"
#include "state/key.h"
#include "state/render_state.h"
#include "window/names.h"
#include "world/item_table.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace scenes {
namespace {

namespace ending = window::names::ending;

using render::Picture;

constexpr int kMessageLineHeight = 26;
constexpr int kFirstSlide = 5;
constexpr int kLastSlide = 20;
constexpr int kTheEndRows = 450;
constexpr int kFullShrink = 400;
constexpr const char* kSlideSound = "wav/kai2.wav";
constexpr const char* kEndingMusic = "midi/b_014xgw.mid";

// The steps of the slideshow (s).
namespace Step {
constexpr int Tower = 4;
constexpr int LastSlide = kLastSlide;
constexpr int PrepareShrink = 21;
constexpr int Shrink = 22;
constexpr int Unroll = 23;
constexpr int Final = 24;
constexpr int Button = 25;
} // namespace Step

window::Window& endingWindow(game::Game& game) {
    return *game.window.findWindow(window::names::Ending);
}

window::Timer& endingTimer(game::Game& game) {
    return game.window.timer(window::names::ending::Timer1);
}

// A picture of the game folder, or an empty one when the file is missing or damaged.
Picture load(const game::Game& game, const std::string& folder, const std::string& file) {
    render::PictureResult loaded = render::readBmp(game.folders.game + "/" + folder + "/" + file);
    return loaded.ok() ? std::move(loaded.picture) : Picture();
}

std::string slideName(int s) {
    char name[16];
    std::snprintf(name, sizeof name, "End%02d.bmp", s);
    return name;
}

void playSlideSound(game::Game& game) {
    if (game.status[world::Slot::WavOff] == 0)
        game.sound().playEffect(kSlideSound);
}

// The first picture shows a picture at its full size.
void showFirst(game::Game& game, Picture picture) {
    window::Control& first = endingWindow(game).control(ending::Image1);
    first.x = 0;
    first.y = 0;
    first.width = render::kScreenWidth;
    first.height = render::kScreenHeight;
    first.picture = std::move(picture);
    first.visible = true;
}

// Step 22: the last slide shrinks about the window's centre.
void shrink(game::Game& game) {
    ScenesState& s = game.scenes;
    int& k = s.endingCounter;
    window::Window& w = endingWindow(game);
    // Behind the shrinking slide, the night sky of "The End", which then unrolls over it: no
    // white flash between the story and its last picture.
    if (k == 1)
        w.screen = Picture(render::kScreenWidth, render::kScreenHeight,
                           s.endingWork.empty() ? render::kBlack : s.endingWork.at(0, 0));
    window::Control& first = w.control(ending::Image1);
    first.width = render::kScreenWidth - 2 * (k * 4 / 5);
    first.height = render::kScreenHeight - k;
    first.x = (render::kScreenWidth - first.width) / 2;
    first.y = (render::kScreenHeight - first.height) / 2;
    first.picture = render::stretch(s.endingFinal, first.width, first.height);
    k += k <= 100 ? 10 : k <= 200 ? 8 : k <= 300 ? 5 : 2;
    if (k > kFullShrink) {
        s.endingStep = Step::Unroll;
        k = 1;
    }
}

// Step 23: "The End" unrolls from the top, one row a tick.
void unroll(game::Game& game) {
    ScenesState& s = game.scenes;
    int& k = s.endingCounter;
    window::Window& w = endingWindow(game);
    if (k == 1)
        w.control(ending::Image1).visible = false;
    window::Control& theEnd = w.control(ending::Image2);
    Picture& shown = theEnd.picture;
    const int rows = std::min(k + 1, render::kScreenHeight);
    if (k == 1 || shown.width != render::kScreenWidth || shown.height > rows) {
        shown = render::copyRect(s.endingWork, {0, 0, render::kScreenWidth, rows});
    } else if (shown.height < rows) {
        // The rows shown so far stay: only the new ones are added below them (black where
        // the picture is shorter, as a copy gives).
        const int from = shown.height;
        shown.pixels.resize(static_cast<std::size_t>(render::kScreenWidth) * rows);
        shown.height = rows;
        render::drawRect(shown, 0, from, s.endingWork,
                         {0, from, render::kScreenWidth, rows - from});
    }
    theEnd.height = shown.height;
    theEnd.visible = true;
    if (k >= kTheEndRows) {
        s.endingStep = Step::Final;
        k = 1;
    } else {
        ++k;
    }
}

void showFinal(game::Game& game) {
    endingWindow(game).control(ending::Image3).visible = true;
    if (game.options.music) {
        game.sound().stopMusic();
        game.sound().startMusic(kEndingMusic);
    }
}

void showButton(game::Game& game) {
    window::Window& w = endingWindow(game);
    w.control(ending::Panel1).visible = true;
    w.control(ending::Image4).visible = true;
    game.scenes.endingTakesKeys = true;
    endingTimer(game).enabled = false;
}

} // namespace

void openEndingWindow(game::Game& game) {
    endingWindow(game).visible = true;
    form3activate(game);
}

void form3activate(game::Game& game) {
    window::Window& w = endingWindow(game);
    const window::Window& main = game.window.main;
    w.left = main.left;
    w.top = main.top;
    w.clientWidth = main.clientWidth;
    w.clientHeight = main.clientHeight - kMessageLineHeight;
    w.screen = Picture(w.clientWidth, w.clientHeight, render::kWhite);
    const bool laterLap = game.status[world::Slot::LapLevel] != 0;
    showFirst(game, load(game, "data2", "EndStart.bmp"));
    window::Control& final = w.control(ending::Image3);
    final.picture = load(game, "data2", laterLap ? "EndFinalR.bmp" : "EndFinal.bmp");
    final.visible = false;
    w.control(ending::Image2).visible = false;
    w.control(ending::Image4).picture = load(game, "data2", "EndButton.bmp");
    w.control(ending::Image4).visible = false;
    w.control(ending::Panel1).visible = false;
    ScenesState& s = game.scenes;
    s.endingStep = Step::Tower;
    s.endingCounter = 1;
    s.endingTakesKeys = false;
    endingTimer(game).enabled = true;
}

void endingTimer1Timer(game::Game& game) {
    ScenesState& s = game.scenes;
    window::Timer& timer = endingTimer(game);
    const int step = s.endingStep;
    if (step == Step::Tower) {
        showFirst(game, load(game, "data", "open0.bmp"));
        playSlideSound(game);
        timer.intervalMs = 500;
        s.endingStep = kFirstSlide;
    } else if (step >= kFirstSlide && step <= Step::LastSlide) {
        showFirst(game, load(game, "data2", slideName(step)));
        playSlideSound(game);
        s.endingStep += 1;
    } else if (step == Step::PrepareShrink) {
        s.endingWork = load(game, "data2", "End26.bmp");
        s.endingFinal = load(game, "data2", slideName(kLastSlide));
        showFirst(game, s.endingFinal);
        timer.intervalMs = 100;
        s.endingStep = Step::Shrink;
    } else if (step == Step::Shrink) {
        shrink(game);
    } else if (step == Step::Unroll) {
        unroll(game);
        timer.intervalMs = 50;
    } else if (step == Step::Final) {
        showFinal(game);
        timer.intervalMs = 500;
        s.endingStep = Step::Button;
    } else if (step == Step::Button) {
        showButton(game);
    }
}

void image5click(game::Game& game) {
    if (endingWindow(game).visible && game.scenes.endingTakesKeys)
        append(game);
}

bool formonkeydown(game::Game& game, game::Key key) {
    if (!endingWindow(game).visible)
        return false;
    if (key == game::Key::Enter && game.scenes.endingTakesKeys && game.options.keyboard())
        append(game);
    return true;
}

void append(game::Game& game) {
    window::Window& main = game.window.main;
    for (const std::string_view picture : {window::names::Image1, window::names::Image2,
                                           window::names::Image3, window::names::Image23})
        main.control(picture).visible = false;
    render::showItemIcons(game, false);
    window::Window& w = endingWindow(game);
    for (const std::string_view shown : {ending::Image3, ending::Image4, ending::Panel1})
        w.control(shown).visible = false;
    game.sound().closeOneShot(); // the slides' sound goes with the window
    game.window.timer(window::names::Timer2).enabled = true;
    ScenesState& s = game.scenes;
    s.endingWork = Picture();
    s.endingFinal = Picture();
    s.endingTakesKeys = false;
    endingTimer(game).enabled = false;
    w.visible = false;
}

} // namespace scenes
