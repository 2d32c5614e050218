#include "orb_list.h"

#include "extras/damage_map.h"
#include "skin.h"
#include "state/game.h"
#include "window/names.h"

namespace shell {
namespace {

QColor colourOf(extras::Outlook outlook) {
    switch (outlook) {
    case extras::Outlook::Safe:
        return skin::kLightGreen;
    case extras::Outlook::Costly:
        return skin::kGold;
    case extras::Outlook::Deadly:
    case extras::Outlook::Unbeatable:
        break;
    }
    return skin::kBrightRed;
}

} // namespace

void addForecastColours(const game::Game& game,
                        std::map<std::string, ControlMirror::Accent>& accents) {
    const window::Control* list = game.window.main.find(window::names::Panel1);
    if (!list || !list->visible)
        return;
    for (int row = 0; row < game.items.listedCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const int kind = static_cast<int>(game.items.listedMonsters[r]);
        accents[std::string(window::names::kListForecasts[r])].text =
            colourOf(extras::forecastFor(game, kind).outlook);
    }
    // The rows below the last monster are not drawn.
    for (std::size_t r = static_cast<std::size_t>(game.items.listedCount);
         r < window::names::kListNames.size(); ++r)
        for (const auto& column : {window::names::kListNames, window::names::kListStrengths,
                                   window::names::kListForecasts})
            accents[std::string(column[r])].bare = true;
}

} // namespace shell
