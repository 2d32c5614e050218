// The monster panel under the keys: the current monster's picture, name, life, offense and
// defense (Image31, Memo8, Memo5..Memo7).
#pragma once

#include "state/game_fwd.h"

namespace combat {

// monshyouji: fill the monster panel from CurrentMonster: with no monster the blank picture
// and the captions "Life", "Offense", "Defense"; otherwise the monster's picture and its life,
// offense and defense in this lap, right-aligned.
void monshyouji(game::Game& game);

// The monster's remaining life (MonsterLifeLeft) in the panel's life field during a fight.
void showMonsterLifeLeft(game::Game& game);

} // namespace combat
