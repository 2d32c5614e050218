// The monster list's panel over the play field: a picture, a name, the strengths and the
// damage forecast on each row, under the dialogue box in its small form.
#pragma once

#include "picture/picture.h"
#include "state/game_fwd.h"

#include <string>

namespace render {

// One row of the list: its picture (none when null) and its three texts.
struct ListRow {
    const Picture* picture = nullptr;
    std::string name;
    std::string strength;
    std::string forecast;
};
void showListRow(game::Game& game, int row, const ListRow& shown);

// Every row emptied: no picture and no text.
void clearListRows(game::Game& game);

// The panel and its rows shown or hidden (the "OK" and the box apart).
void showListPanel(game::Game& game, bool shown);

// The dialogue box in its small form above the list, with the small font.
void smallBox(game::Game& game);

} // namespace render
