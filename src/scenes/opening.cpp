#include "scenes/opening.h"

#include "combat/effects.h"
#include "picture/bmp.h"
#include "picture/picture_list.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "render/screen.h"
#include "scenes/ending.h"
#include "script/executor.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <algorithm>
#include <string>

namespace scenes {
namespace {

using namespace world;
using render::Picture;
namespace Cmd = script::Cmd;
namespace Effect = script::Effect;

constexpr int kCaptureCell = 92;
constexpr int kAhCaption = 219; // "Ah!" on the dialogue button
constexpr int kZenoWelcome = 11;
constexpr int kFirstWipeLine = 100;
constexpr int kLastWipeLine = 315;
constexpr int kDissolveMaskOffset = 66; // step d dissolves through picture d - 66
constexpr int kPrisonFloor = 2;
constexpr int kPrisonCell = cellOf(2, 7);

// The transition steps fill their work pictures with pictures 231 and 247, which lie beyond
// the tile picture strip: a plain black fill stands for both.
constexpr render::Pixel kBeyondTheStrip = render::kBlack;

// 0, 1 or 2 for the speed: High, Middle, Low.
int speedRank(const game::Game& game) {
    return static_cast<int>(game.options.speed) - static_cast<int>(game::Speed::High);
}

// The command timer at `base`, twice or three times that for the slower speeds.
void commandInterval(game::Game& game, int base) {
    render::setTimerInterval(game, window::names::Timer2, base * (speedRank(game) + 1));
}

// A 640 x 400 picture of the data folder over black; black alone when the file is missing.
Picture fullPicture(const game::Game& game, const std::string& file) {
    Picture picture(render::kScreenWidth, render::kScreenHeight, kBeyondTheStrip);
    if (!game.render.pictures)
        return picture;
    const render::PictureResult loaded =
        game.render.files.read(render::dataPath(game.folders.game, file));
    if (loaded.ok())
        render::draw(picture, 0, 0, loaded.picture);
    return picture;
}

// The full-window picture (Image23) shows `picture` over everything. As it takes the screen
// the message line goes blank, as in a new game: no line of play stays under the scene.
void showFullWindow(game::Game& game, Picture picture) {
    if (!render::controlShown(game, window::names::Image23)) {
        game.messageSelector = 0;
        render::disp(game);
    }
    render::setPicture(game, window::names::Image23, std::move(picture));
    render::showBackground(game, window::names::Image23);
}

// One dissolve step: `target` laid over the window's picture through the mask of picture
// d - 66 of the strip repeated over the whole window (black where the picture is missing),
// by the mask composition: the target where the mask is black, the window where it is white.
// Written into `out` (the full-window picture's own pixels, reused from step to step).
void dissolveOnto(Picture& out, const game::Game& game, const Picture& target, int d) {
    constexpr int kWidth = render::kScreenWidth;
    constexpr int kHeight = render::kScreenHeight;
    constexpr int kSide = render::kCellSide;
    // Both pictures as full-window ones: what lies outside a smaller picture is black.
    auto whole = [](const Picture& p, Picture& padded) -> const Picture& {
        if (p.width == kWidth && p.height == kHeight)
            return p;
        padded = render::copyRect(p, {0, 0, kWidth, kHeight});
        return padded;
    };
    Picture paddedBase;
    Picture paddedOver;
    const Picture& base = whole(render::screenPicture(game), paddedBase);
    const Picture& over = whole(target, paddedOver);
    const Picture* cell = game.render.imageList1.find(d - kDissolveMaskOffset);
    const Picture mask =
        cell ? render::copyRect(*cell, {0, 0, kSide, kSide}) : Picture(kSide, kSide);
    if (out.width != kWidth || out.height != kHeight)
        out = Picture(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const render::Pixel* b = &base.pixels[static_cast<std::size_t>(y) * kWidth];
        const render::Pixel* o = &over.pixels[static_cast<std::size_t>(y) * kWidth];
        const render::Pixel* m = &mask.pixels[static_cast<std::size_t>(y % kSide) * kSide];
        render::Pixel* to = &out.pixels[static_cast<std::size_t>(y) * kWidth];
        for (int x = 0; x < kWidth; ++x) {
            const render::Pixel mx = m[x % kSide];
            to[x] = (b[x] | (~mx & render::kColourBits)) & (o[x] | mx);
        }
    }
}

// Mode 0 or 2: one step of the dissolve over the window's current picture.
void dissolveStep(game::Game& game, int mode, int d) {
    ScenesState& s = game.scenes;
    const bool toEnding = mode == Transition::Ending;
    if (d == kFirstDissolveStep || s.transitionSecond.empty())
        s.transitionSecond = fullPicture(game, toEnding ? "open0.bmp" : "open1.bmp");
    Picture step;
    if (game.render.pictures) {
        step = render::takePicture(game, window::names::Image23);
        dissolveOnto(step, game, s.transitionSecond, d);
    }
    showFullWindow(game, std::move(step));
    if (d != kLastDissolveStep)
        return;
    s.transitionFirst = Picture(render::kScreenWidth, render::kScreenHeight, kBeyondTheStrip);
    s.transitionSecond = s.transitionFirst;
    s.wipeRow = -1;
    render::hideStatusFields(game);
    commandInterval(game, 150);
    game.render.frameA = Picture(render::kFieldSide, render::kFieldSide);
    if (!toEnding)
        return;
    showFullWindow(game, fullPicture(game, "open0.bmp"));
    render::setTimerRunning(game, window::names::Timer2, false);
    openEndingWindow(game);
}

// The game screen again after the wipe: panels, status figures, arrow buttons, icons.
void restoreGameScreen(game::Game& game) {
    render::showControl(game, window::names::Image23, false);
    (void)render::resetPlayScreen(game);
    if (!game.options.keyboard())
        for (const auto name : window::names::kArrowButtons)
            render::showControl(game, name);
    commandInterval(game, 150);
}

// Mode 1: the defeat gives way, row by row from the top, to the prison.
void wipeStep(game::Game& game, int v) {
    ScenesState& s = game.scenes;
    if (v == 0 || s.transitionFirst.empty()) {
        s.transitionFirst = fullPicture(game, "open1.bmp");
        s.transitionSecond = fullPicture(game, "open2.bmp");
        s.wipeRow = -1;
    }
    if (v == 0)
        commandInterval(game, 25);
    if (v >= kWipeEnd) {
        restoreGameScreen(game);
        return;
    }
    if (!game.render.pictures) {
        showFullWindow(game, Picture());
        return;
    }
    // Rows 0..v of the second picture over the first: only the rows not there yet are copied.
    const render::Rect rows{0, s.wipeRow + 1, render::kScreenWidth, v - s.wipeRow};
    if (rows.height > 0)
        render::drawRect(s.transitionFirst, 0, rows.y, s.transitionSecond, rows);
    s.wipeRow = std::max(s.wipeRow, v);
    if (!render::fullWindowStillShows(game, s.transitionFirst, s.wipeDrawings))
        showFullWindow(game, s.transitionFirst);
    else if (rows.height > 0)
        render::drawFullWindowRows(game, s.transitionFirst, rows);
    s.wipeDrawings = render::screenDrawings(game);
}

// A picture of the data folder into a window picture, shown; kept as it was when missing.
void loadAndShow(game::Game& game, std::string_view control, const std::string& file) {
    if (game.render.pictures) {
        render::PictureResult loaded =
            game.render.files.read(render::dataPath(game.folders.game, file));
        if (loaded.ok())
            render::setPicture(game, control, std::move(loaded.picture));
    }
    render::showBackground(game, control);
}

// The hero wakes on floor 2: what the capture took from him.
void imprison(game::Game& game) {
    Status& s = game.status;
    s[Slot::Floor] = kPrisonFloor;
    s[Slot::HighestFloor] = kPrisonFloor;
    s[Slot::HeroX] = cellX(kPrisonCell);
    s[Slot::HeroY] = cellY(kPrisonCell);
    s[Slot::HeroHidden] = 1;
    if (s[Slot::LapLevel] == 0) {
        s[Slot::Life] = 400;
        s[Slot::Offense] = 10;
        s[Slot::Defense] = 10;
        s[Slot::SwordGrade] = 0;
        s[Slot::ShieldGrade] = 0;
    } else {
        for (int n = Slot::SwordGrade; n <= Slot::LuckyGold; ++n)
            s[n] = 0;
    }
    s[Slot::SwordTaken + 4] = 0;  // the Sacred Sword
    s[Slot::ShieldTaken + 4] = 0; // the Sacred Shield
}

} // namespace

void openning2(game::Game& game) {
    render::setText(game, window::names::Button1, std::string(catalogueLine(kAhCaption)));
    script::Script script(game);
    script.dialogue(kZenoWelcome).pause(4).sound(Effect::Zeno).pause();
    script.masked(kCaptureCell, 216, Tile::Road, 215).pause(4);
    script.add(Cmd::SetTile, kCaptureCell, Tile::Road).pause().add(Cmd::SidePanels).pause();
    script.add(Cmd::Special, script::Special::TitlePicture)
        .pause(25)
        .add(Cmd::Special, script::Special::HideStatus);
    for (int d = kFirstDissolveStep; d <= kLastDissolveStep; ++d)
        script.sound(Effect::Zeno)
            .pause()
            .add(Cmd::Special, script::Special::Transition, d)
            .add(Cmd::Pause, Transition::Capture, 0);
    script.pause(3);
    auto wipe = [&script](int v) {
        script.add(Cmd::Special, script::Special::Transition, v)
            .add(Cmd::Pause, Transition::Prison, 0);
    };
    wipe(0);
    for (int v = kFirstWipeLine; v <= kLastWipeLine; ++v)
        wipe(v);
    wipe(kWipeEnd);
    script.add(Cmd::Special, script::Special::Opening);
    script.push(game);
    combat::madoushilivework(game, {81, 103, 91, 93});
}

void openning9(game::Game& game, int value) {
    const int mode = game.explore.stack.beneath().arg1;
    if (mode == Transition::Prison)
        wipeStep(game, value);
    else if (mode == Transition::Capture || mode == Transition::Ending)
        dissolveStep(game, mode, value);
}

void openning31(game::Game& game) {
    if (script::musicOn(game))
        game.sound().stopMusic();
    const bool laterLap = game.status[Slot::LapLevel] != 0;
    loadAndShow(game, window::names::Image1, "center.bmp");
    loadAndShow(game, window::names::Image2, laterLap ? "leftr.bmp" : "left.bmp");
    loadAndShow(game, window::names::Image3, laterLap ? "rightr.bmp" : "right.bmp");
    render::setText(game, window::names::Button1, "OK");
    imprison(game);
    // The prison is drawn before the hero wakes in it.
    render::mhyouji(game);
    game.render.heroPixelX = game.status[Slot::HeroX] * render::kCellSide;
    game.render.heroPixelY = game.status[Slot::HeroY] * render::kCellSide;
    script::timer2on(game);
    script::Script(game, {{Cmd::Message, 0, 0},
                          {Cmd::SidePanels, 0, 0},
                          {Cmd::MessageBox, 1, 0},
                          {Cmd::Pause, 0, 0},
                          {Cmd::MessageBox, 1, 0},
                          {Cmd::Pause, 0, 0},
                          {Cmd::MessageBox, 2, 0},
                          {Cmd::Pause, 0, 0},
                          {Cmd::MessageBox, 3, 0},
                          {Cmd::Pause, 0, 0},
                          {Cmd::Special, script::Special::HeroFacing, 0},
                          {Cmd::Pause, 0, 0}})
        .push(game);
    render::disp(game);
    render::setTimerRunning(game, window::names::Timer1, false);
}

void endingSteps(script::Script& script) {
    for (int d = kFirstDissolveStep; d <= kLastDissolveStep; ++d)
        script.sound(Effect::Open)
            .add(Cmd::Special, script::Special::Transition, d)
            .add(Cmd::Pause, Transition::Ending, 0);
    script.add(Cmd::Special, script::Special::LapComplete);
}

} // namespace scenes
