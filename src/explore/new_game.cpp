#include "explore/new_game.h"

#include "combat/monster_panel.h"
#include "combat/monsters.h"
#include "explore/explore_routines.h"
#include "explore/movement.h"
#include "render/controls.h"
#include "render/options_menu.h"
#include "render/screen.h"
#include "script/input_lock.h"
#include "sound/music.h"
#include "state/game.h"
#include "window/names.h"
#include "world/initial_world.h"

namespace explore {
namespace {

constexpr const char* kOkCaption = "OK";

void fill(world::Status& s, int first, int last, std::int32_t value) {
    for (int n = first; n <= last; ++n)
        s[n] = value;
}

// What an abandoned game (Game Start, a lost fight, a load) may leave in the middle of a scene
// or an item's use: the dialogue button's caption of a scene ("What?", "Ah!"), a door, wipe
// or capture running the timers at its own pace, the Use / Don't use pair of an item, and
// the Orb of Hero's list with the text box in its small form.
void clearLeftovers(game::Game& game) {
    render::setText(game, window::names::Button1, kOkCaption);
    explore::timerin(game);
    for (const std::string_view pair : {window::names::Button37, window::names::Button38})
        render::showControl(game, pair, false);
    game.items.itemInUse = 0;
    if (render::controlShown(game, window::names::Button36))
        explore::kExploreRoutines.closeMonsterList(game);
}

} // namespace

void syokidata(game::Game& game) {
    using namespace world;
    Status& s = game.status;
    const bool firstLap = s[Slot::LapLevel] == 0;
    const bool keep = s[Slot::KeepProgress] == 1;

    if (firstLap) {
        s[Slot::Life] = 1000;
        s[Slot::Offense] = 100;
        s[Slot::Defense] = 100;
    }
    if (!keep)
        s[Slot::Gold] = 0;
    s[Slot::Floor] = 1;
    if (!keep)
        s[Slot::HighestFloor] = 1;
    s[Slot::HeroX] = 5;
    s[Slot::HeroY] = 10;
    fill(s, Slot::YellowKeys, Slot::FairyMeetings, 0);
    s[Slot::SwordGrade] = 5;
    s[Slot::ShieldGrade] = 5;
    if (!keep) {
        // The Sacred Sword and Shield count as taken until the opening takes them away.
        fill(s, Slot::OrbOfHero, Slot::SwordTaken + 3, 0);
        s[Slot::SwordTaken + 4] = 1;
        fill(s, Slot::ShieldTaken, Slot::ShieldTaken + 3, 0);
        s[Slot::ShieldTaken + 4] = 1;
    }
    fill(s, Slot::MerchantBought, Slot::FairyList, 0);
    s[Slot::Facing] = static_cast<std::int32_t>(Facing::Up);
    s[Slot::MusicTrack] = 0;
    fill(s, 91, 154, 0);
    s[Slot::Floor32Arrival] = 0;
    s[Slot::ZenoWeakened] = 0;
    s[Slot::FlightDirection] = 0;
    fill(s, 161, kStatusBlockWords - 1, 0);

    game.map = initialTower();
}

void syokidata2(game::Game& game) {
    using namespace world;
    const Status& s = game.status;
    game.heroCell = s.heroCell();
    game.messageSelector = 0;
    game.explore.repeatAction = explore::Repeat::Up;
    game.explore.dialogKind = explore::Dialog::Talk;
    game.explore.stack.clear();
    clearLeftovers(game);
    // A missing side-panel or title picture leaves that picture out; play goes on.
    (void)render::resetPlayScreen(game);
    sound::openEffectPlayers(game);
    if (!render::timerRunning(game, window::names::Timer4)) {
        game.combat.currentMonster = combat::kNoMonster;
        combat::monshyouji(game);
    }

    if (s[Slot::MusicTrack] != 0) {
        game.options.music = true;
        if (!render::timerRunning(game, window::names::Timer4))
            sound::soundplay(game);
    }
    render::showOptions(game); // the sound effects as the game has them, the music if it plays
    combat::resetZenoRow(game);
}

void gameover(game::Game& game) {
    syokidata(game);
    syokidata2(game);
    script::itemlive(game);
    render::setTimerRunning(game, window::names::Timer1, true);
    sound::floorMusic(game);
}

} // namespace explore
