#include "render/ranking_view.h"

#include "io/ranking_table.h"
#include "state/game.h"
#include "state/persist_state.h"
#include "window/names.h"

#include <string>

namespace render {
namespace {

// The table's columns on screen: rank, points, name, life, offense, defense.
namespace OnScreen {
enum : int { Rank = 0, Points = 1, Name = 2, Life = 3, Offense = 4, Defense = 5, Count = 6 };
}

window::Window& rankingWindow(game::Game& game) {
    return *game.window.findWindow(window::names::Ranking);
}

// The cell of place r (0..9) in shown column c: Edit(6r + c + 1).
window::Control& cell(window::Window& w, int r, int c) {
    return w.control(std::string(window::names::ranking::CellStem) +
                     std::to_string(OnScreen::Count * r + c + 1));
}

} // namespace

void prepareRankingTable(game::Game& game) {
    window::Window& w = rankingWindow(game);
    // The small size for the table, the buttons and the heads, the dialog size for the title.
    const int table = game.options.fonts.small;
    const int title = game.options.fonts.dialog;
    for (window::Control& c : w.controls)
        c.fontSize = c.name == window::names::ranking::Label1 ? title : table;
    for (int r = 0; r < io::kPlaces; ++r)
        for (int c = 0; c < OnScreen::Count; ++c)
            cell(w, r, c).text = c == OnScreen::Rank ? std::to_string(r + 1) : std::string();
}

void showRankingList(game::Game& game) {
    window::Window& w = rankingWindow(game);
    const persist::RankingState& s = game.persist.ranking;
    namespace Column = io::Column;
    for (int r = 0; r < io::kPlaces; ++r) {
        cell(w, r, OnScreen::Points).text = std::to_string(s.table.at(r, Column::Points));
        cell(w, r, OnScreen::Name).text = s.names[static_cast<std::size_t>(r)];
        cell(w, r, OnScreen::Life).text = std::to_string(s.table.at(r, Column::Life));
        cell(w, r, OnScreen::Offense).text = std::to_string(s.table.at(r, Column::Offense));
        cell(w, r, OnScreen::Defense).text = std::to_string(s.table.at(r, Column::Defense));
    }
}

} // namespace render
