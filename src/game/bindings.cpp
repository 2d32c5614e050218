// The tables through which the lower layers reach the routines above them, one line per
// routine: the executor's commands and special steps, exploration's step kinds, dialogs and
// keys, and the fight's walk into the monster's cell.
#include "characters/altar.h"
#include "characters/dialogs.h"
#include "characters/fairy.h"
#include "characters/merchants.h"
#include "characters/old_men.h"
#include "characters/thief.h"
#include "combat/battle.h"
#include "combat/blows.h"
#include "combat/combat_routines.h"
#include "combat/effects.h"
#include "combat/slide.h"
#include "explore/dialog.h"
#include "explore/doors.h"
#include "explore/explore_routines.h"
#include "explore/movement.h"
#include "explore/new_game.h"
#include "explore/step.h"
#include "game/events.h"
#include "items/monster_list.h"
#include "items/travel.h"
#include "scenes/after_fight.h"
#include "scenes/opening.h"
#include "scenes/tile_scenes.h"
#include "script/command_routines.h"

namespace script {
namespace {

using Step = CommandRoutines::SpecialStep;

constexpr std::array<Step, Special::kCount> specialSteps() {
    std::array<Step, Special::kCount> s{};
    s[Special::Opening] = {[](game::Game& g, int) { scenes::openning31(g); }, true};
    s[Special::ZenoRises] = {[](game::Game& g, int) { combat::zenoRises(g); }, true};
    s[Special::SergeantRing] = {[](game::Game& g, int) { combat::madoushi2(g); }, true};
    s[Special::VampireArrives] = {combat::banpaiawork, false};
    s[Special::AfterFight] = {[](game::Game& g, int) {
                                  combat::standAfterFight(g);
                                  scenes::moncheck(g);
                              },
                              true};
    s[Special::MonsterFirst] = {combat::taisen2, true};
    s[Special::Transition] = {scenes::openning9, false};
    return s;
}

constexpr std::array<CommandRoutines::Routine, Cmd::kCount> boundCommands() {
    std::array<CommandRoutines::Routine, Cmd::kCount> c{};
    c[Cmd::DoorFrame] = explore::dooropen;
    c[Cmd::MonsterSlide] = combat::monidou;
    c[Cmd::MonsterStrikes] = combat::monsterStrikes;
    c[Cmd::HeroStrikes] = combat::heroStrikes;
    return c;
}

} // namespace

const CommandRoutines kCommandRoutines{
    .commands = boundCommands(),
    .openDialog = explore::zyouout,
    .headBlow = combat::headBlow,
    .newGame = explore::gameover,
    .restoreSpeed = explore::timerin,
    .specials = specialSteps(),
};

} // namespace script

namespace explore {

using namespace script;
namespace {

using world::StepKind;

constexpr std::array<ExploreRoutines::Routine, kStepKinds> stepRules() {
    std::array<ExploreRoutines::Routine, kStepKinds> r{};
    r[stepIndex(StepKind::Event)] = scenes::mevent;
    r[stepIndex(StepKind::FalseWall)] = scenes::falseWallRule;
    r[stepIndex(StepKind::Hidden)] = scenes::hiddenTriggerRule;
    r[stepIndex(StepKind::TimeGate)] = scenes::gateRule;
    r[stepIndex(StepKind::Zeno)] = scenes::zenoRule;
    r[stepIndex(StepKind::Altar)] = characters::altarOffer;
    r[stepIndex(StepKind::Merchant)] = characters::syounin;
    r[stepIndex(StepKind::Thief)] = characters::touzoku;
    r[stepIndex(StepKind::Fairy)] = characters::yousei;
    r[stepIndex(StepKind::OldMan)] = characters::roujin;
    return r;
}

} // namespace

const ExploreRoutines kExploreRoutines{
    .steps = stepRules(),
    .floorEvent = scenes::mevent,
    .talk = characters::zyouout,
    .zenoWelcomeOk = scenes::openning2,
    .fairyDialogOk = characters::rankingAfterFairy,
    .floorChoiceRepeat = items::floorChoiceRepeat,
    .click = game::click,
    .closeMonsterList = items::hideMonsterList,
};

} // namespace explore

namespace combat {

const CombatRoutines kCombatRoutines{.walkIn = explore::idou};

} // namespace combat
