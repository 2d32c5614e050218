#include "combat/battle.h"

#include "combat/blows.h"
#include "combat/damage.h"
#include "combat/monster_panel.h"
#include "combat/monsters.h"
#include "explore/executor.h"
#include "explore/input_lock.h"
#include "explore/movement.h"
#include "game/game.h"
#include "render/panel.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace combat {
namespace {

using explore::CommandEntry;
using world::Slot::Life;
namespace Cmd = explore::Cmd;

// A script in playing order; it is pushed in reverse.
using Script = std::vector<CommandEntry>;

constexpr int kEntriesPerExchange = 12;
static_assert(kEntriesPerExchange * kMaxPlayedExchanges + 100 < explore::kCommandStackRoom,
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

CommandEntry entry(int code, int arg1 = 0, int arg2 = 0) {
    return {static_cast<std::int16_t>(code), static_cast<std::int16_t>(arg1),
            static_cast<std::int16_t>(arg2)};
}

// Where a fight is drawn: the monster's cell and tile, and the hero's facing for his pose.
struct Arena {
    int cell = 0;
    int tile = 0;
    int facing = 0;

    int monsterBlowMask() const { return 8 * facing + 184; }
};

void addPauses(Script& s, int n) {
    s.insert(s.end(), static_cast<std::size_t>(n), entry(Cmd::Pause));
}

// The hero's blow: the battle sound, the blow picture over the monster, the monster's life.
void addHeroBlow(Script& s, const Arena& a, int strikeValue, int pictureCode = Cmd::MaskedSprite) {
    s.insert(s.end(), {entry(Cmd::Sound, explore::Effect::Battle), entry(Cmd::Pause),
                       entry(pictureCode, a.cell, kHeroBlowMask),
                       entry(Cmd::Pause, a.tile, kHeroBlowMask + 1),
                       entry(Cmd::HeroStrikes, a.cell, strikeValue), entry(Cmd::Pause)});
}

// The monster's blow: the battle sound, the hero's hurt pose, the hero's life.
void addMonsterBlow(Script& s, const Arena& a, int strikeValue) {
    s.insert(s.end(), {entry(Cmd::Sound, explore::Effect::Battle), entry(Cmd::Pause),
                       entry(Cmd::MaskedSprite, a.cell, a.monsterBlowMask()),
                       entry(Cmd::Pause, a.tile, a.monsterBlowMask() - 1),
                       entry(Cmd::MonsterStrikes, a.cell, strikeValue), entry(Cmd::Pause)});
}

void pushScript(game::Game& game, const Script& s) {
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        game.explore.stack.push(it->code, it->arg1, it->arg2);
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

int heroCell(const game::Game& game) {
    return world::cellOf(game.status[world::Slot::HeroX], game.status[world::Slot::HeroY]);
}

// The gold of a victory as the message tells it: Lucky Gold doubles it. Held within what a
// status slot can hold, whatever the slot holds.
std::int32_t luckyGold(const game::Game& game, std::int32_t gold) {
    const std::int64_t v =
        std::int64_t{gold} * (std::int64_t{game.status[world::Slot::LuckyGold]} + 1);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The victory message on the message line. A single gold piece reads " gold." unless the
// fight was the monster's (which always reads " Golds.").
void composeVictory(game::Game& game, int openingLine, std::int32_t gold, bool singularForOne) {
    std::string text = std::string(world::catalogueLine(openingLine)) + " " +
                       game.combat.monsterName + ". " +
                       std::string(world::catalogueLine(kGotLine)) + " " + std::to_string(gold);
    text += singularForOne && gold == 1 ? " gold." : std::string(world::catalogueLine(kGoldsLine));
    game.composedMessage = std::move(text);
    game.messageSelector = 1;
}

// The hero strikes n times and the monster n - 1 times; the cell or cells become floor, the
// gold is paid and the after-fight checks run.
Script heroFirstVictory(game::Game& game, const Arena& a, std::int32_t blows, bool head,
                        std::int32_t gold) {
    Script s;
    const std::int32_t exchanges = settleLongFight(game, blows - 1);
    s.reserve(static_cast<std::size_t>(exchanges) * kEntriesPerExchange + 24);
    for (std::int32_t i = 0; i < exchanges; ++i) {
        addHeroBlow(s, a, kHeroBlowMask);
        addMonsterBlow(s, a, 0);
    }
    addHeroBlow(s, a, 0, head ? Cmd::HeadBlow : Cmd::MaskedSprite);
    s.insert(s.end(), {entry(Cmd::Special, 9), entry(Cmd::Pause)});
    const int here = heroCell(game);
    if (head) {
        for (int offset : kCellsOfBigMonster)
            s.push_back(entry(Cmd::PutTile, here + offset, world::Tile::Road));
    } else {
        s.push_back(entry(Cmd::PutTile, here, world::Tile::Road));
    }
    s.insert(s.end(), {entry(Cmd::Message), entry(Cmd::Gold, gold), entry(Cmd::Special, 5, 5)});
    return s;
}

// The hero strikes first but falls: m exchanges, the monster's m-th blow takes his last life.
Script heroFirstDefeat(game::Game& game, const Arena& a, std::int32_t monsterBlows) {
    Script s;
    const std::int32_t exchanges = settleLongFight(game, monsterBlows);
    s.reserve(static_cast<std::size_t>(exchanges) * kEntriesPerExchange + 8);
    for (std::int32_t i = 0; i < exchanges; ++i) {
        addHeroBlow(s, a, kHeroBlowMask);
        addMonsterBlow(s, a, 0);
    }
    addPauses(s, 6);
    s.push_back(entry(Cmd::HeroFalls));
    return s;
}

void refuse(game::Game& game) {
    game.messageSelector = 1;
    game.composedMessage = world::catalogueLine(kTooStrongLine);
    render::disp(game);
    explore::itemlive(game);
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
    Script s;
    const std::int32_t exchanges = settleLongFight(game, blows);
    s.reserve(static_cast<std::size_t>(exchanges) * kEntriesPerExchange + 8);
    for (std::int32_t i = 0; i < exchanges; ++i) {
        addMonsterBlow(s, a, 0);
        addHeroBlow(s, a, kHeroBlowInMonsterFirst);
    }
    s.insert(s.end(), {entry(Cmd::Special, 9), entry(Cmd::Pause),
                       entry(Cmd::PutTile, heroCell(game), world::Tile::Road), entry(Cmd::Message),
                       entry(Cmd::Gold, gold), entry(Cmd::Special, 5, 5)});
    return s;
}

// The monster strikes m times and the hero m - 1 times; the monster's last blow fells him.
// When it cannot hurt him either, its one blow overwhelms him and his life is set to 0.
Script monsterFirstDefeat(game::Game& game, const Arena& a, std::int32_t monsterBlows,
                          bool overwhelmed) {
    Script s;
    const std::int32_t exchanges = settleLongFight(game, monsterBlows - 1);
    s.reserve(static_cast<std::size_t>(exchanges) * kEntriesPerExchange + 32);
    for (std::int32_t i = 0; i < exchanges; ++i) {
        addMonsterBlow(s, a, kMonsterBlowInLoss);
        addHeroBlow(s, a, 0);
    }
    addMonsterBlow(s, a, a.tile);
    if (overwhelmed)
        s.insert(s.end(), {entry(Cmd::SetStatus, Life, 0), entry(Cmd::Message)});
    addPauses(s, 18);
    s.insert(s.end(), {entry(Cmd::HeroFalls), entry(Cmd::Pause)});
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
        explore::timer2on(game);
        return;
    }
    explore::idou(game);
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
        pushScript(game, heroFirstVictory(game, arena, c.blowCount, head, gold));
    } else {
        ydameiji(game);
        pushScript(game, heroFirstDefeat(game, arena, c.blowCount));
    }
    explore::timer2on(game);
}

void taisen2(game::Game& game, int cell) {
    if (!world::validCell(cell))
        return;
    const std::uint8_t tile = game.map.tile(game.status[world::Slot::Floor], cell);
    const std::optional<int> type = oneCellMonsterOfTile(tile);
    if (!type)
        return;
    startMonsterFight(game, *type);
    pushScript(game, monsterFirstScript(game, arenaAt(game, cell, tile)));
    explore::timer2on(game);
}

} // namespace combat
