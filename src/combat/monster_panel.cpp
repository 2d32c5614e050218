#include "combat/monster_panel.h"

#include "combat/monsters.h"
#include "state/game.h"
#include "state/render_state.h"
#include "world/catalogue.h"

#include <string>

namespace combat {
namespace {

constexpr int kFirstCaptionLine = 214; // "Life", "Offense", "Defense"
constexpr int kNameField = 3;          // Memo8, below the three figures

void showPicture(game::Game& game, int n) {
    const render::Picture* picture = game.render.imageList1.find(n);
    game.render.panel.monster.picture.set(picture ? *picture : render::Picture{});
}

void showField(game::Game& game, int field, std::string text, window::Align align) {
    render::PanelText& memo = game.render.panel.monsterFields[static_cast<std::size_t>(field)];
    memo.text.set(std::move(text));
    memo.align.set(align);
}

} // namespace

void monshyouji(game::Game& game) {
    monswork(game);
    game.render.panel.monsterFields[kNameField].text.set(game.combat.monsterName);
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
