#include "scenes/ending.h"

#include "picture/bmp.h"
#include "render/controls.h"
#include "render/ending_view.h"
#include "render/panel.h"
#include "state/game.h"
#include "state/key.h"
#include "state/render_state.h"
#include "window/names.h"
#include "world/item_table.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace scenes {
namespace {

namespace ending = window::names::ending;

using render::Picture;

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

bool endingShown(const game::Game& game) {
    return render::windowShown(game, window::names::Ending);
}

void runEndingTimer(game::Game& game, bool running) {
    render::setTimerRunning(game, window::names::ending::Timer1, running);
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

// Step 22: the last slide shrinks about the window's centre.
void shrink(game::Game& game) {
    ScenesState& s = game.scenes;
    int& k = s.endingCounter;
    render::shrinkEndingSlide(game, k, s.endingFinal, s.endingWork);
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
    render::unrollTheEnd(game, k, s.endingWork);
    if (k >= kTheEndRows) {
        s.endingStep = Step::Final;
        k = 1;
    } else {
        ++k;
    }
}

void showFinal(game::Game& game) {
    render::showWindowControl(game, window::names::Ending, ending::Image3, true);
    if (game.options.music) {
        game.sound().stopMusic();
        game.sound().startMusic(kEndingMusic);
    }
}

void showButton(game::Game& game) {
    render::showWindowControl(game, window::names::Ending, ending::Panel1, true);
    render::showWindowControl(game, window::names::Ending, ending::Image4, true);
    game.scenes.endingTakesKeys = true;
    runEndingTimer(game, false);
}

} // namespace

void openEndingWindow(game::Game& game) {
    render::showWindow(game, window::names::Ending, true);
    form3activate(game);
}

void form3activate(game::Game& game) {
    const bool laterLap = game.status[world::Slot::LapLevel] != 0;
    render::openEndingView(game, load(game, "data2", "EndStart.bmp"),
                           load(game, "data2", laterLap ? "EndFinalR.bmp" : "EndFinal.bmp"),
                           load(game, "data2", "EndButton.bmp"));
    ScenesState& s = game.scenes;
    s.endingStep = Step::Tower;
    s.endingCounter = 1;
    s.endingTakesKeys = false;
    runEndingTimer(game, true);
}

void endingTimer1Timer(game::Game& game) {
    ScenesState& s = game.scenes;
    const auto interval = [&](int ms) {
        render::setTimerInterval(game, window::names::ending::Timer1, ms);
    };
    const int step = s.endingStep;
    if (step == Step::Tower) {
        render::showEndingSlide(game, load(game, "data", "open0.bmp"));
        playSlideSound(game);
        interval(500);
        s.endingStep = kFirstSlide;
    } else if (step >= kFirstSlide && step <= Step::LastSlide) {
        render::showEndingSlide(game, load(game, "data2", slideName(step)));
        playSlideSound(game);
        s.endingStep += 1;
    } else if (step == Step::PrepareShrink) {
        s.endingWork = load(game, "data2", "End26.bmp");
        s.endingFinal = load(game, "data2", slideName(kLastSlide));
        render::showEndingSlide(game, s.endingFinal);
        interval(100);
        s.endingStep = Step::Shrink;
    } else if (step == Step::Shrink) {
        shrink(game);
    } else if (step == Step::Unroll) {
        unroll(game);
        interval(50);
    } else if (step == Step::Final) {
        showFinal(game);
        interval(500);
        s.endingStep = Step::Button;
    } else if (step == Step::Button) {
        showButton(game);
    }
}

void image5click(game::Game& game) {
    if (endingShown(game) && game.scenes.endingTakesKeys)
        append(game);
}

bool formonkeydown(game::Game& game, game::Key key) {
    if (!endingShown(game))
        return false;
    if (key == game::Key::Enter && game.scenes.endingTakesKeys && game.options.keyboard())
        append(game);
    return true;
}

void append(game::Game& game) {
    for (const std::string_view picture : {window::names::Image1, window::names::Image2,
                                           window::names::Image3, window::names::Image23})
        render::showControl(game, picture, false);
    render::showItemIcons(game, false);
    for (const std::string_view shown : {ending::Image3, ending::Image4, ending::Panel1})
        render::showWindowControl(game, window::names::Ending, shown, false);
    game.sound().closeOneShot(); // the slides' sound goes with the window
    render::setTimerRunning(game, window::names::Timer2, true);
    ScenesState& s = game.scenes;
    s.endingWork = Picture();
    s.endingFinal = Picture();
    s.endingTakesKeys = false;
    runEndingTimer(game, false);
    render::showWindow(game, window::names::Ending, false);
}

} // namespace scenes
