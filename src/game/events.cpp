#include "game/events.h"

#include "explore/dialog.h"
#include "explore/executor.h"
#include "explore/movement.h"
#include "game/about_box.h"
#include "game/game.h"
#include "game/startup.h"
#include "persist/options.h"
#include "render/play_field.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace game {
namespace {

using Handler = void (*)(Game&);

struct Binding {
    std::string_view name;
    Handler handler;
};

// The bindings of names to handlers. Each module adds its handlers here, one line each.
constexpr Binding kClicks[] = {
    {"About.OKButton", aboutClose},      {"About.ProgramIcon", aboutVillainClick},
    {"About.Image2", aboutVillainClick}, {"About.Image1", aboutThiefClick},
    {"BitBtn1", explore::BitBtn1Click},  {"BitBtn2", explore::BitBtn2Click},
    {"BitBtn3", explore::BitBtn3Click},  {"BitBtn4", explore::BitBtn4Click},
    {"Button1", explore::Button1Click},
};
constexpr Binding kPresses[] = {
    {"Button8", explore::button8onmousedown},
    {"Button9", explore::button9onmousedown},
};
constexpr Binding kReleases[] = {
    {"Button8", explore::button8onmouseup},
    {"Button9", explore::button9onmouseup},
};
constexpr Binding kMenus[] = {
    {"&Game/Game &Start", GameStart1Click},
    {"&Game/Game &Quit", GameQuit1Click},
    {"&Game/E&xit", Exit1Click},
    {"&Options/&Mouse Control", persist::mouseControlEntry},
    {"&Options/&Keyboard Control", persist::keyboardControlEntry},
    {"&Options/&Speed/&High", explore::speedhigh},
    {"&Options/&Speed/&Middle", explore::speedmiddle},
    {"&Options/&Speed/&Low", explore::speedlow},
    {"&Options/&Prologue", persist::K5Click},
    {"&Options/&Wav Sound On", persist::wavon1Click},
    {"&Options/&BGM On", persist::BGMON1Click},
    {"&Options/&Font/&Big", persist::Large1Click},
    {"&Options/&Font/&Normal", persist::Normal1Click},
    {"&Options/&Font/&Small", persist::Small1Click},
    {"&Options/&Font/&Tiny", persist::tiny1Click},
    {"&Options/Save &Option", persist::OptionSave1Click},
    {"&Options/&Initialize Option", persist::NormalOption1Click},
    {"&Help/Help Library", Help2Click},
    {"&Help/&About Gravenhold", About1Click},
};
constexpr Binding kTimers[] = {
    {"Timer1", render::Timer1Timer},
    {"Timer2", explore::timer2timer},
    {"Timer3", explore::timer3ontimer},
    {"About.Timer1", aboutTimer1Timer},
};
// The desktop's close command on a window ("" or "Main" for the main window).
constexpr Binding kCloses[] = {
    {"Main", KRN10close},
    {"About", aboutClose},
};

bool dispatch(std::span<const Binding> bindings, Game& game, std::string_view name) {
    const auto it = std::find_if(bindings.begin(), bindings.end(),
                                 [&](const Binding& b) { return b.handler && b.name == name; });
    if (it == bindings.end())
        return false;
    it->handler(game);
    return true;
}

} // namespace

void startUp(Game& game) {
    formactivate(game);
}

void keyDown(Game& game, Key key) {
    explore::formkeydown(game, key);
}

bool click(Game& game, std::string_view control) {
    return dispatch(kClicks, game, control);
}
bool press(Game& game, std::string_view control) {
    return dispatch(kPresses, game, control);
}
bool release(Game& game, std::string_view control) {
    return dispatch(kReleases, game, control);
}
bool menuCommand(Game& game, std::string_view path) {
    return dispatch(kMenus, game, path);
}
bool timerTick(Game& game, std::string_view timer) {
    return dispatch(kTimers, game, timer);
}
bool closeWindow(Game& game, std::string_view window) {
    return dispatch(kCloses, game, window.empty() ? "Main" : window);
}

} // namespace game
