#include "combat/monster_panel.h"

#include "combat/monsters.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/names.h"
#include "world/catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace combat {
namespace {

constexpr std::string_view kPicture = window::names::Image31;
constexpr std::string_view kName = window::names::Memo8;
constexpr std::array<std::string_view, 3> kFields = {window::names::Memo5, window::names::Memo6,
                                                     window::names::Memo7};
constexpr int kFirstCaptionLine = 214; // "Life", "Offense", "Defense"

window::Control& control(game::Game& game, std::string_view name) {
    return game.window.main.control(name);
}

void showPicture(game::Game& game, int n) {
    const render::Picture* picture = game.render.imageList1.find(n);
    control(game, kPicture).picture = picture ? *picture : render::Picture{};
}

void showField(game::Game& game, int field, std::string text, window::Align align) {
    window::Control& memo = control(game, kFields[static_cast<std::size_t>(field)]);
    memo.text = std::move(text);
    memo.align = align;
}

} // namespace

void monshyouji(game::Game& game) {
    monswork(game);
    control(game, kName).text = game.combat.monsterName;
    const std::int32_t type = game.combat.currentMonster;
    if (type < 0 || type >= kMonsterTypes) {
        showPicture(game, render::Pic::PanelBackground);
        for (int field = 0; field < 3; ++field)
            showField(game, field, std::string(world::catalogueLine(kFirstCaptionLine + field)),
                      window::Align::Left);
        return;
    }
    showPicture(game, monsterPicture(type));
    const MonsterStrength m = monsterStrength(game, type);
    showField(game, 0, std::to_string(m.life), window::Align::Right);
    showField(game, 1, std::to_string(m.offense), window::Align::Right);
    showField(game, 2, std::to_string(m.defense), window::Align::Right);
}

void showMonsterLifeLeft(game::Game& game) {
    showField(game, 0, std::to_string(game.combat.monsterLifeLeft), window::Align::Right);
}

} // namespace combat
