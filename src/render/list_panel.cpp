#include "render/list_panel.h"

#include "state/game.h"
#include "window/names.h"

#include <cstddef>

namespace render {
namespace {

// Every control of the list but its "OK": the panel, the pictures and the fields.
template <typename Visit> void forEachListControl(game::Game& game, Visit visit) {
    namespace n = window::names;
    window::Window& w = game.window.main;
    visit(w.control(n::Panel1));
    for (std::size_t row = 0; row < n::kListPictures.size(); ++row)
        for (const std::string_view name : {n::kListPictures[row], n::kListNames[row],
                                            n::kListStrengths[row], n::kListForecasts[row]})
            visit(w.control(name));
}

} // namespace

void showListRow(game::Game& game, int row, const ListRow& shown) {
    namespace n = window::names;
    window::Window& w = game.window.main;
    const auto r = static_cast<std::size_t>(row);
    w.control(n::kListPictures[r]).picture = shown.picture ? *shown.picture : Picture{};
    w.control(n::kListNames[r]).text = shown.name;
    w.control(n::kListStrengths[r]).text = shown.strength;
    w.control(n::kListForecasts[r]).text = shown.forecast;
}

void clearListRows(game::Game& game) {
    forEachListControl(game, [](window::Control& c) {
        c.picture = Picture{};
        c.text.clear();
    });
}

void showListPanel(game::Game& game, bool shown) {
    forEachListControl(game, [&](window::Control& c) { c.visible = shown; });
}

void smallBox(game::Game& game) {
    window::Control& box = game.window.main.control(window::names::RichEdit1);
    box.x = 141;
    box.y = 16;
    box.width = 358;
    box.height = 56;
    box.fontSize = game.options.fonts.small;
}

} // namespace render
