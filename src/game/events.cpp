#include "game/events.h"

#include "explore/dialog.h"
#include "explore/executor.h"
#include "explore/movement.h"
#include "game/game.h"
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
    {"BitBtn1", explore::BitBtn1Click}, {"BitBtn2", explore::BitBtn2Click},
    {"BitBtn3", explore::BitBtn3Click}, {"BitBtn4", explore::BitBtn4Click},
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
    {"&Options/&Mouse Control", explore::MouseControl1Click},
    {"&Options/&Keyboard Control", explore::KeyboardControl1Click},
    {"&Options/&Speed/&High", explore::speedhigh},
    {"&Options/&Speed/&Middle", explore::speedmiddle},
    {"&Options/&Speed/&Low", explore::speedlow},
};
constexpr Binding kTimers[] = {
    {"Timer1", render::Timer1Timer},
    {"Timer2", explore::timer2timer},
    {"Timer3", explore::timer3ontimer},
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
    (void)game;
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

} // namespace game
