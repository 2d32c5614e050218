#include "characters/old_men.h"

#include "characters/dialogs.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/explore_state.h"
#include "state/game.h"

#include <algorithm>
#include <array>

namespace characters {
namespace {

using namespace world;
namespace Cmd = script::Cmd;
namespace Effect = script::Effect;

enum class Gift {
    None,
    Strength,  // offense and defense 3 % up, once
    OrbOfHero, // the orb, with the advice
    Elixir,    // the Elixir, once
    Silence,   // no advice: a scripted dialog says there is nothing to say
};

struct OldMan {
    std::int32_t floor;
    std::int32_t heroX;  // the hero's column when two old men share a floor, -1 otherwise
    std::int32_t advice; // AdviceIndex of the first talk
    int adviceFlag;
    Gift gift;
};

constexpr std::array<OldMan, 19> kOldMen = {{
    {2, -1, 25, 66, Gift::Strength}, {3, -1, 26, 67, Gift::OrbOfHero},
    {4, -1, 0, 68, Gift::None},      {6, -1, 1, 69, Gift::None},
    {16, 9, 27, 71, Gift::Elixir},   {16, -1, 6, 70, Gift::None},
    {18, -1, 7, 72, Gift::None},     {21, -1, 8, 73, Gift::None},
    {23, -1, 0, 0, Gift::Silence},   {27, -1, 9, 74, Gift::None},
    {31, -1, 10, 75, Gift::None},    {33, -1, 12, 76, Gift::None},
    {36, -1, 13, 77, Gift::None},    {37, -1, 14, 78, Gift::None},
    {39, -1, 16, 79, Gift::None},    {42, -1, 18, 80, Gift::None},
    {45, -1, 19, 81, Gift::None},    {46, -1, 21, 82, Gift::None},
    {48, -1, 23, 83, Gift::None},
}};

constexpr std::int32_t kSubjectIsOver = 24; // "The subject is over now. Good Luck!"
constexpr int kStrengthGiven = 98;
constexpr int kElixirGiven = 109;
constexpr int kNothingToSay = 61;      // scripted dialog: "I have nothing to say. ..."
constexpr int kOrbOfHeroSelector = 11; // "Got the orb of the hero."
constexpr std::int32_t kOrbAwaitingOk = 2;

const OldMan* oldManAt(const Status& s) {
    const auto it = std::find_if(kOldMen.begin(), kOldMen.end(), [&](const OldMan& m) {
        return m.floor == s[Slot::Floor] && (m.heroX < 0 || m.heroX == s[Slot::HeroX]);
    });
    return it == kOldMen.end() ? nullptr : &*it;
}

// A part of what one has, truncated: 3 % of 100 is 3, of 10 nothing.
std::int64_t threePercent(std::int32_t value) {
    return std::int64_t{value} * 3 / 100;
}

// The floor-2 old man lends the hero a little of his strength.
void giveStrength(game::Game& game) {
    Status& s = game.status;
    raiseSlot(s[Slot::Offense], threePercent(s[Slot::Offense]));
    raiseSlot(s[Slot::Defense], threePercent(s[Slot::Defense]));
    s[kStrengthGiven] = 1;
    script::Script(game).pause(2).sound(Effect::Get).pause().message(0).pause().play(game);
}

// The hidden old man of floor 16 hands over the Elixir.
void giveElixir(game::Game& game) {
    Status& s = game.status;
    s[Slot::Elixir] = 1;
    s[kElixirGiven] = 1;
    script::Script(game)
        .pause(2)
        .sound(Effect::Get)
        .pause()
        .add(Cmd::SidePanels)
        .pause()
        .play(game);
}

// The floor-3 old man grants the Orb of Hero; it becomes usable with the OK of his line.
void grantOrbOfHero(game::Game& game) {
    game.status[Slot::OrbOfHero] = kOrbAwaitingOk;
    script::Script(game)
        .message(kOrbOfHeroSelector)
        .pause()
        .sound(Effect::Get)
        .pause()
        .add(Cmd::SidePanels)
        .pause()
        .play(game);
}

// The old man of floor 23 has nothing to say; his scripted dialog only closes the box.
void keepSilent(game::Game& game) {
    script::Script(game).pause(2).dialogue(kNothingToSay).play(game);
}

} // namespace

void roujin(game::Game& game) {
    script::itemdel(game);
    game.explore.dialogKind = explore::Dialog::Talk;
    const OldMan* man = oldManAt(game.status);
    if (man == nullptr) {
        script::itemlive(game);
        return;
    }
    if (man->gift == Gift::Silence) {
        keepSilent(game);
        return;
    }
    Status& s = game.status;
    if (man->gift == Gift::Strength && s[kStrengthGiven] == 0)
        giveStrength(game);
    if (man->gift == Gift::Elixir && s[kElixirGiven] == 0)
        giveElixir(game);
    const bool firstTalk = s[man->adviceFlag] == 0;
    if (firstTalk)
        s[man->adviceFlag] = s[Slot::OrbOfWisdom] == 1 ? 2 : 1;
    game.talk.adviceIndex = firstTalk ? man->advice : kSubjectIsOver;
    zyouout(game);
    if (firstTalk && man->gift == Gift::OrbOfHero)
        grantOrbOfHero(game);
}

} // namespace characters
