#include "script/input_lock.h"

#include "render/controls.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "world/item_table.h"

#include <cstddef>

namespace script {
namespace {

using world::Slot::OrbOfHero;

void enableMenus(game::Game& game, bool enabled) {
    for (const auto path : {window::Menu::Ranking, window::Menu::Load, window::Menu::Options})
        render::enableMenu(game, path, enabled);
}

} // namespace

void itemdel(game::Game& game) {
    game.explore.inputLive = false;
    if (!game.options.keyboard()) {
        for (const auto name : window::names::kArrowButtons)
            render::enableControl(game, name, false);
    }
    for (const auto& item : world::kItems) {
        if (item.clickable)
            render::enableControl(game, item.icon, false);
    }
    enableMenus(game, false);
    render::enableMenu(game, window::Menu::Save, false);
}

void itemlive(game::Game& game) {
    const world::Status& s = game.status;
    if (s[OrbOfHero] == 2)
        return;
    if (!game.options.keyboard()) {
        for (const auto name : window::names::kArrowButtons) {
            render::enableControl(game, name);
            render::showControl(game, name);
        }
    }
    for (std::size_t k = 0; k < world::kItems.size(); ++k) {
        const world::Item& item = world::kItems[k];
        render::Shown<bool>& shown = game.render.panel.items[k].visible;
        if (!item.clickable) {
            shown.set(s[item.slot] == 1);
        } else if (world::usable(s, item)) {
            render::enableControl(game, item.icon);
        } else {
            shown.set(false);
        }
    }
    render::enableMenu(game, window::Menu::Save, s[OrbOfHero] == 1);
    game.explore.inputLive = true;
    enableMenus(game, true);
}

bool optionsEnabled(const game::Game& game) {
    return render::menuEnabled(game, window::Menu::Options);
}

} // namespace script
