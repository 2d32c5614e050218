#include "combat/battle.h"

#include "combat/blows.h"
#include "combat/combat_routines.h"
#include "combat/damage.h"
#include "combat/monster_panel.h"
#include "combat/monsters.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/game.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <algorithm>
#include <string>
#include <vector>

namespace combat {
namespace {

using world::Slot::Life;
namespace Cmd = script::Cmd;

using script::Script;

constexpr int kEntriesPerExchange = 12;
static_assert(kEntriesPerExchange * kMaxPlayedExchanges + 100 < script::kCommandStackRoom,
              "a fight played blow by blow must leave room for the scripts around it");

constexpr int kHeroBlowMask = 183;           // with the blow picture 184 beneath
constexpr int kHeroBlowInMonsterFirst = 193; // second value of a won monster-first fight's blows
constexpr int kMonsterBlowInLoss = 250;      // second value of a lost monster-first fight's blows
constexpr int kBeatALine = 199;              // "Beat a"
constexpr int kGotLine = 200;                // " Got"
constexpr int kGoldsLine = 201;              // " Golds."
constexpr int kTooStrongLine = 217;          // "Cannot attack as the defensive power is too high!"
constexpr int kBeatSomeOfLine = 240;         // "Beat some of"
constexpr int kCellsOfBigMonster[] = {-23, -22, -21, -12, -11, -10, -1, 0, 1};

// Where a fight is drawn: the monster's cell and tile, and the hero's facing for his pose.
struct Arena {
    int cell = 0;
    int tile = 0;
    int facing = 0;

    int monsterBlowMask() const { return 8 * facing + 184; }
};

// The hero's blow: the battle sound, the blow picture over the monster, the monster's life.
void addHeroBlow(Script& s, const Arena& a, int strikeValue, int pictureCode = Cmd::MaskedSprite) {
    s.sound(script::Effect::Battle)
        .pause()
        .add(pictureCode, a.cell, kHeroBlowMask)
        .add(Cmd::Pause, a.tile, kHeroBlowMask + 1)
        .add(Cmd::HeroStrikes, a.cell, strikeValue)
        .pause();
}

// The monster's blow: the battle sound, the hero's hurt pose, the hero's life.
void addMonsterBlow(Script& s, const Arena& a, int strikeValue) {
    s.sound(script::Effect::Battle)
        .pause()
        .add(Cmd::MaskedSprite, a.cell, a.monsterBlowMask())
        .add(Cmd::Pause, a.tile, a.monsterBlowMask() - 1)
        .add(Cmd::MonsterStrikes, a.cell, strikeValue)
        .pause();
}

// n exchanges: the first striker's blow, then the other's, each strike command carrying its
// value.
void addExchanges(Script& s, const Arena& a, std::int32_t n, bool heroFirst, int heroValue,
                  int monsterValue) {
    s.reserve(static_cast<std::size_t>(n) * kEntriesPerExchange + 32);
    for (std::int32_t i = 0; i < n; ++i) {
        if (heroFirst) {
            addHeroBlow(s, a, heroValue);
            addMonsterBlow(s, a, monsterValue);
        } else {
            addMonsterBlow(s, a, monsterValue);
            addHeroBlow(s, a, heroValue);
        }
    }
}

// Settles the exchanges beyond those played at once (see kMaxPlayedExchanges) and returns how
// many exchanges are left to play.
std::int32_t settleLongFight(game::Game& game, std::int32_t exchanges) {
    const std::int32_t settled = std::max(0, exchanges - kMaxPlayedExchanges);
    if (settled == 0)
        return exchanges;
    std::int32_t& life = game.status[Life];
    life = std::max(0, life - damageOf(monsterBlow(game), settled));
    std::int32_t& monsterLife = game.combat.monsterLifeLeft;
    monsterLife = std::max(0, monsterLife - damageOf(heroBlow(game), settled));
    return kMaxPlayedExchanges;
}

// The gold of a victory as the message tells it: Lucky Gold doubles it. Held within what a
// status slot can hold, whatever the slot holds.
std::int32_t luckyGold(const game::Game& game, std::int32_t gold) {
    return world::capped(std::int64_t{gold} *
                         (std::int64_t{game.status[world::Slot::LuckyGold]} + 1));
}

// The victory message on the message line. A single gold piece reads " gold." unless the
// fight was the monster's (which always reads " Golds.").
void composeVictory(game::Game& game, int openingLine, std::int32_t gold, bool singularForOne) {
    std::string text = std::string(world::catalogueLine(openingLine)) + " " +
                       game.combat.monsterName + ". " +
                       std::string(world::catalogueLine(kGotLine)) + " " + std::to_string(gold);
    text += singularForOne && gold == 1 ? " gold." : std::string(world::catalogueLine(kGoldsLine));
    game.composeMessage(std::move(text));
}

// The hero strikes n times and the monster n - 1 times; the cell or cells become floor, the
// gold is paid and the after-fight checks run.
Script heroFirstVictory(game::Game& game, const Arena& a, std::int32_t blows, bool head,
                        std::int32_t gold) {
    Script s(game);
    addExchanges(s, a, settleLongFight(game, blows - 1), true, kHeroBlowMask, 0);
    addHeroBlow(s, a, 0, head ? Cmd::HeadBlow : Cmd::MaskedSprite);
    s.add(Cmd::Special, script::Special::Hero).pause();
    const int here = game.status.heroCell();
    if (head) {
        for (int offset : kCellsOfBigMonster)
            s.add(Cmd::PutTile, here + offset, world::Tile::Road);
    } else {
        s.add(Cmd::PutTile, here, world::Tile::Road);
    }
    s.add(Cmd::Message).add(Cmd::Gold, gold).add(Cmd::Special, script::Special::AfterFight, 5);
    return s;
}

// The hero strikes first but falls: m exchanges, the monster's m-th blow takes his last life.
Script heroFirstDefeat(game::Game& game, const Arena& a, std::int32_t monsterBlows) {
    Script s(game);
    addExchanges(s, a, settleLongFight(game, monsterBlows), true, kHeroBlowMask, 0);
    s.pause(6).add(Cmd::HeroFalls);
    return s;
}

void refuse(game::Game& game) {
    game.composeMessage(std::string(world::catalogueLine(kTooStrongLine)));
    render::disp(game);
    script::itemlive(game);
}

Arena arenaAt(const game::Game& game, int cell, int tile) {
    return {cell, tile, game.status[world::Slot::Facing]};
}

void startMonsterFight(game::Game& game, int type) {
    game.combat.currentMonster = type;
    monshyouji(game);
    game.status[world::Slot::HeroHidden] = 1;
    game.combat.monsterLifeLeft = monsterStrength(game, type).life;
}

// The monster strikes n times and the hero n times; the hero's cell becomes floor.
Script monsterFirstVictory(game::Game& game, const Arena& a, std::int32_t blows,
                           std::int32_t gold) {
    Script s(game);
    addExchanges(s, a, settleLongFight(game, blows), false, kHeroBlowInMonsterFirst, 0);
    s.add(Cmd::Special, script::Special::Hero)
        .pause()
        .add(Cmd::PutTile, game.status.heroCell(), world::Tile::Road)
        .add(Cmd::Message)
        .add(Cmd::Gold, gold)
        .add(Cmd::Special, script::Special::AfterFight, 5);
    return s;
}

// The monster strikes m times and the hero m - 1 times; the monster's last blow fells him.
// When it cannot hurt him either, its one blow overwhelms him and his life is set to 0.
Script monsterFirstDefeat(game::Game& game, const Arena& a, std::int32_t monsterBlows,
                          bool overwhelmed) {
    Script s(game);
    addExchanges(s, a, settleLongFight(game, monsterBlows - 1), false, 0, kMonsterBlowInLoss);
    addMonsterBlow(s, a, a.tile);
    if (overwhelmed)
        s.add(Cmd::SetStatus, Life, 0).add(Cmd::Message);
    s.pause(18).add(Cmd::HeroFalls).pause();
    return s;
}

Script monsterFirstScript(game::Game& game, const Arena& a) {
    CombatState& c = game.combat;
    if (!canAttack(game, c.currentMonster)) {
        const bool hurts = monsterBlow(game) > 0;
        if (hurts)
            ydameiji(game);
        return monsterFirstDefeat(game, a, hurts ? c.blowCount : 1, !hurts);
    }
    dameiji2(game);
    if (c.expectedDamage >= game.status[Life]) {
        ydameiji(game);
        return monsterFirstDefeat(game, a, c.blowCount, false);
    }
    game.status[world::Slot::HeroHidden] = 0;
    const std::int32_t gold = monsterRow(game, c.currentMonster).gold;
    composeVictory(game, kBeatALine, luckyGold(game, gold), false);
    return monsterFirstVictory(game, a, c.blowCount, gold);
}

} // namespace

void taisen(game::Game& game) {
    CombatState& c = game.combat;
    const int cell = game.targetCell;
    const std::uint8_t tile = game.map.tile(game.status[world::Slot::Floor], cell);
    const std::optional<int> type = monsterTypeOfTile(tile);
    if (!type)
        return;
    c.currentMonster = *type;
    monshyouji(game);
    if (!canAttack(game, c.currentMonster)) {
        refuse(game);
        script::timer2on(game);
        return;
    }
    kCombatRoutines.walkIn(game);
    game.status[world::Slot::HeroHidden] = 1;
    c.monsterLifeLeft = monsterStrength(game, c.currentMonster).life;
    dameiji(game);
    const Arena arena = arenaAt(game, cell, tile);
    if (c.expectedDamage < game.status[Life]) {
        game.status[world::Slot::HeroHidden] = 0;
        const bool head = isLargeMonsterHead(tile);
        const bool partial = c.currentMonster == Monster::BigOctopus && !head;
        const std::int32_t tableGold = monsterRow(game, c.currentMonster).gold;
        const std::int32_t gold = partial ? tableGold / 2 : tableGold;
        composeVictory(game, partial ? kBeatSomeOfLine : kBeatALine, luckyGold(game, gold), true);
        heroFirstVictory(game, arena, c.blowCount, head, gold).push(game);
    } else {
        ydameiji(game);
        heroFirstDefeat(game, arena, c.blowCount).push(game);
    }
    script::timer2on(game);
}

void standAfterFight(game::Game& game) {
    if (game.status[world::Slot::HeroHidden] != 0)
        return;
    render::yusyahyouji1(game);
    render::show(game);
}

void taisen2(game::Game& game, int cell) {
    if (!world::validCell(cell))
        return;
    const std::uint8_t tile = game.map.tile(game.status[world::Slot::Floor], cell);
    const std::optional<int> type = oneCellMonsterOfTile(tile);
    if (!type)
        return;
    startMonsterFight(game, *type);
    monsterFirstScript(game, arenaAt(game, cell, tile)).play(game);
}

} // namespace combat
