#include "script/input_lock.h"

#include "state/game.h"
#include "window/item_icons.h"
#include "world/item_table.h"

#include <cstddef>

namespace script {
namespace {

using world::Slot::OrbOfHero;

void enableMenus(game::Game& game, bool enabled) {
    for (const auto path : {window::Menu::Ranking, window::Menu::Load, window::Menu::Options})
        game.window.main.menuItem(path).enabled = enabled;
}

} // namespace

void itemdel(game::Game& game) {
    auto& w = game.window.main;
    game.explore.inputLive = false;
    if (!game.options.keyboard()) {
        for (const auto name : window::names::kArrowButtons)
            w.control(name).enabled = false;
    }
    for (const auto& item : world::kItems) {
        if (item.clickable)
            w.control(item.icon).enabled = false;
    }
    enableMenus(game, false);
    w.menuItem(window::Menu::Save).enabled = false;
}

void itemlive(game::Game& game) {
    auto& w = game.window.main;
    const world::Status& s = game.status;
    if (s[OrbOfHero] == 2)
        return;
    if (!game.options.keyboard()) {
        for (const auto name : window::names::kArrowButtons) {
            auto& button = w.control(name);
            button.enabled = true;
            button.visible = true;
        }
    }
    for (std::size_t k = 0; k < world::kItems.size(); ++k) {
        const world::Item& item = world::kItems[k];
        render::Shown<bool>& shown = game.render.panel.items[k].visible;
        if (!item.clickable) {
            shown.set(s[item.slot] == 1);
        } else if (world::usable(s, item)) {
            w.control(item.icon).enabled = true;
        } else {
            shown.set(false);
        }
    }
    w.menuItem(window::Menu::Save).enabled = s[OrbOfHero] == 1;
    game.explore.inputLive = true;
    enableMenus(game, true);
}

bool optionsEnabled(const game::Game& game) {
    return game.window.main.menuItem(window::Menu::Options).enabled;
}

} // namespace script
