#include "items/monster_list.h"

#include "combat/damage.h"
#include "combat/monsters.h"
#include "items/items.h"
#include "render/controls.h"
#include "render/list_panel.h"
#include "render/panel.h"
#include "script/input_lock.h"
#include "state/game.h"
#include "window/main_window.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <algorithm>
#include <optional>
#include <string>

namespace items {
namespace {

using namespace world;

constexpr int kSearchLine = 180; // "Search for the damage of the vital power ..."
constexpr int kLifeLine = 214;   // "Life", then "Offense" and "Defense"
constexpr int kOffenseLine = 215;
constexpr int kDefenseLine = 216;

// The monster kind the list names for a tile: one-cell monsters by their first picture, the
// Big Octopus and the Dragon only by their heads.
std::optional<int> listedKind(std::uint8_t code) {
    if (code == Tile::OctopusHead)
        return combat::Monster::BigOctopus;
    if (code == Tile::DragonHead)
        return combat::Monster::Dragon;
    return oneCellKind(code);
}

std::string strengthText(const combat::MonsterStrength& m) {
    auto part = [](int line, std::int32_t value) {
        return std::string(catalogueLine(line)) + " " + std::to_string(value);
    };
    return part(kLifeLine, m.life) + " " + part(kOffenseLine, m.offense) + " " +
           part(kDefenseLine, m.defense);
}

} // namespace

void yousya(game::Game& game) {
    ItemsState& list = game.items;
    const std::int32_t type = game.combat.currentMonster;
    const auto listed = list.listedMonsters.begin();
    if (list.listedCount >= kListedMonsterRows ||
        std::find(listed, listed + list.listedCount, type) != listed + list.listedCount)
        return;
    const int row = list.listedCount;
    render::ListRow shown;
    shown.picture = game.render.imageList1.find(combat::monsterPicture(static_cast<int>(type)));
    combat::monswork(game);
    shown.name = game.combat.monsterName;
    shown.strength = strengthText(combat::monsterStrength(game, static_cast<int>(type)));
    combat::obudameiji(game);
    shown.forecast = game.combat.forecastText;
    render::showListRow(game, row, shown);
    list.listedMonsters[static_cast<std::size_t>(row)] = type;
    list.listedCount = row + 1;
}

void img6work(game::Game& game) {
    render::smallBox(game);
    if (game.status[Slot::OrbOfHero] != 1)
        return;
    render::setTimerRunning(game, window::names::Timer1, false);
    script::itemdel(game);
    render::clearListRows(game);
    render::setText(game, window::names::RichEdit1, std::string(catalogueLine(kSearchLine)));
    game.items.listedCount = 0;
    const int floor = game.status[Slot::Floor];
    for (int cell = 0; cell < kCells; ++cell) {
        if (const auto type = listedKind(game.map.tile(floor, cell))) {
            game.combat.currentMonster = *type;
            yousya(game);
        }
    }
    render::showListPanel(game, true);
    render::showControl(game, window::names::RichEdit1);
    render::showControl(game, window::names::Button36);
    render::focusControl(game, window::names::Button36);
}

void hideMonsterList(game::Game& game) {
    render::showListPanel(game, false);
    render::clearListRows(game);
    render::showControl(game, window::names::Button36, false);
    render::openBox(game, {}); // the box back in its large form, then out of sight
    render::closeBox(game);
}

void Button36Click(game::Game& game) {
    if (!render::clickable(game, window::names::Button36))
        return;
    hideMonsterList(game);
    script::itemlive(game);
    render::keydisplay(game);
    render::setTimerRunning(game, window::names::Timer1, true);
}

} // namespace items
