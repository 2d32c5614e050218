#include "game/new_game.h"

#include "game/game.h"
#include "world/initial_world.h"

namespace game {
namespace {

void fill(world::Status& s, int first, int last, std::int32_t value) {
    for (int n = first; n <= last; ++n)
        s[n] = value;
}

} // namespace

void syokidata(Game& game) {
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

} // namespace game
