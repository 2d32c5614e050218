#include "items/monster_list.h"

#include "characters/dialogs.h"
#include "combat/damage.h"
#include "combat/monsters.h"
#include "items/items.h"
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

// The controls of row k of the list.
std::string_view pictureOf(int row) {
    return window::names::kListPictures[static_cast<std::size_t>(row)];
}
std::string_view nameOf(int row) {
    return window::names::kListNames[static_cast<std::size_t>(row)];
}
std::string_view strengthOf(int row) {
    return window::names::kListStrengths[static_cast<std::size_t>(row)];
}
std::string_view forecastOf(int row) {
    return window::names::kListForecasts[static_cast<std::size_t>(row)];
}

// Every control of the list but its "OK": the panel, the pictures and the fields.
template <typename Visit> void forEachListControl(game::Game& game, Visit visit) {
    auto& w = game.window.main;
    visit(w.control(window::names::Panel1));
    for (int row = 0; row < kListedMonsterRows; ++row) {
        for (const std::string_view name :
             {pictureOf(row), nameOf(row), strengthOf(row), forecastOf(row)})
            visit(w.control(name));
    }
}

// The box over the play field in its small form, above the list, with the small font.
void smallBox(game::Game& game) {
    window::Control& box = game.window.main.control(window::names::RichEdit1);
    box.x = 141;
    box.y = 16;
    box.width = 358;
    box.height = 56;
    box.fontSize = game.options.fonts.small;
}

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
    auto& w = game.window.main;
    const render::Picture* picture =
        game.render.imageList1.find(combat::monsterPicture(static_cast<int>(type)));
    w.control(pictureOf(row)).picture = picture ? *picture : render::Picture{};
    combat::monswork(game);
    w.control(nameOf(row)).text = game.combat.monsterName;
    w.control(strengthOf(row)).text =
        strengthText(combat::monsterStrength(game, static_cast<int>(type)));
    combat::obudameiji(game);
    w.control(forecastOf(row)).text = game.combat.forecastText;
    list.listedMonsters[static_cast<std::size_t>(row)] = type;
    list.listedCount = row + 1;
}

void img6work(game::Game& game) {
    smallBox(game);
    if (game.status[Slot::OrbOfHero] != 1)
        return;
    game.window.timer(window::names::Timer1).enabled = false;
    script::itemdel(game);
    forEachListControl(game, [](window::Control& c) {
        c.picture = render::Picture{};
        c.text.clear();
    });
    game.window.main.control(window::names::RichEdit1).text = catalogueLine(kSearchLine);
    game.items.listedCount = 0;
    const int floor = game.status[Slot::Floor];
    for (int cell = 0; cell < kCells; ++cell) {
        if (const auto type = listedKind(game.map.tile(floor, cell))) {
            game.combat.currentMonster = *type;
            yousya(game);
        }
    }
    forEachListControl(game, [](window::Control& c) { c.visible = true; });
    game.window.main.control(window::names::RichEdit1).visible = true;
    game.window.main.control(window::names::Button36).visible = true;
    window::setFocus(game.window.main, window::names::Button36);
}

void hideMonsterList(game::Game& game) {
    forEachListControl(game, [](window::Control& c) {
        c.visible = false;
        c.picture = render::Picture{};
        c.text.clear();
    });
    auto& w = game.window.main;
    w.control(window::names::Button36).visible = false;
    characters::openBox(game, {}); // the box back in its large form, then out of sight
    characters::closeBox(game);
}

void Button36Click(game::Game& game) {
    if (!clickable(game, window::names::Button36))
        return;
    hideMonsterList(game);
    script::itemlive(game);
    render::keydisplay(game);
    game.window.timer(window::names::Timer1).enabled = true;
}

} // namespace items
