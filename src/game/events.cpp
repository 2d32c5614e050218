#include "game/events.h"

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
    {"", nullptr},
};
constexpr Binding kPresses[] = {
    {"", nullptr},
};
constexpr Binding kReleases[] = {
    {"", nullptr},
};
constexpr Binding kMenus[] = {
    {"", nullptr},
};
constexpr Binding kTimers[] = {
    {"Timer1", render::Timer1Timer},
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
    (void)game;
    (void)key;
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
