#include "fight_helpers.h"

#include "explore/new_game.h"
#include "script/executor.h"
#include "support/plain_pictures.h"
#include "window/main_window.h"

namespace fight {

game::Game newGame() {
    game::Game g;
    g.window = window::makeWindowModel();
    testing_game::usePlainPictureLists(g);
    explore::gameover(g);
    return g;
}

void placeHero(game::Game& g, int cell, world::Facing facing, std::int32_t life,
               std::int32_t offense, std::int32_t defense) {
    using namespace world;
    g.status[Slot::HeroX] = cellX(cell);
    g.status[Slot::HeroY] = cellY(cell);
    g.status[Slot::Facing] = static_cast<std::int32_t>(facing);
    g.status[Slot::Life] = life;
    g.status[Slot::Offense] = offense;
    g.status[Slot::Defense] = defense;
    g.heroCell = cell;
}

std::vector<script::CommandEntry> script(const game::Game& g) {
    std::vector<script::CommandEntry> entries;
    for (int i = g.explore.stack.size(); i >= 1; --i)
        entries.push_back(g.explore.stack.at(i));
    return entries;
}

BlowTrace playBlowByBlow(game::Game& g) {
    BlowTrace trace;
    while (!g.explore.stack.empty() && testing_game::commandTimerOn(g)) {
        const int code = g.explore.stack.topEntry().code;
        script::stackwork(g);
        if (code == script::Cmd::HeroStrikes || code == script::Cmd::HeadBlow)
            trace.monsterLife.push_back(g.combat.monsterLifeLeft);
        if (code == script::Cmd::MonsterStrikes)
            trace.heroLife.push_back(g.status[world::Slot::Life]);
    }
    return trace;
}

} // namespace fight
