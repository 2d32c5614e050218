#include "persist/loaded_values.h"

#include "io/ranking.h"
#include "sound/tables.h"

#include <algorithm>
#include <limits>

namespace persist {
namespace {

using namespace world::Slot;

struct Range {
    int slot;
    std::int32_t low;
    std::int32_t high;
};

// A count that play adds one to must leave room for one more.
constexpr std::int32_t kCountMax = std::numeric_limits<std::int32_t>::max() - 1;
constexpr std::int32_t kTopGrade = 5;       // the Sacred Sword and Shield
constexpr std::int32_t kOrbAwaitingOk = 2;  // the Orb of Hero granted, its dialogue open
constexpr std::int32_t kTransferUses = 3;   // the transfer article as picked up
constexpr std::int32_t kLastFacing = 4;     // 1 down .. 4 up
constexpr std::int32_t kLastFlightMark = 2; // flight direction and start-staircase mark

constexpr Range kRanges[] = {
    {Floor, 0, world::kTopFloor},
    {HighestFloor, 0, world::kTopFloor},
    {HeroX, 0, world::kSide - 1},
    {HeroY, 0, world::kSide - 1},
    {YellowKeys, 0, kCountMax},
    {RedKeys, 0, kCountMax},
    {BlueKeys, 0, kCountMax},
    {AltarOfferings, 0, kCountMax},
    {FairyMeetings, 0, kCountMax},
    {SwordGrade, 0, kTopGrade},
    {ShieldGrade, 0, kTopGrade},
    {OrbOfHero, 0, kOrbAwaitingOk},
    {TransferArticle, 0, kTransferUses},
    {FairyPlace, 0, io::kPlaces},
    {FairyList, 0, io::kRankingLists},
    {Facing, 1, kLastFacing},
    {OctopusEffect, 0, kCountMax},
    {DragonEffect, 0, kCountMax},
    {FlightDirection, 0, kLastFlightMark},
    {KeepProgress, 0, 1},
    {StartStairs, 0, kLastFlightMark},
    {RecordViewing, 0, 1},
};

bool inRange(const world::Status& s, const Range& r) {
    return s[r.slot] >= r.low && s[r.slot] <= r.high;
}

// The held items other than the Orb of Hero and the transfer article are 0 or 1.
bool heldItemsValid(const world::Status& s) {
    for (int slot = OrbOfWisdom; slot <= LuckyGold; ++slot)
        if (slot != TransferArticle && s[slot] != 0 && s[slot] != 1)
            return false;
    return true;
}

bool arrivalCellsValid(const world::TowerMap& map) {
    for (int floor = 0; floor < world::kFloors; ++floor)
        if (!world::validCell(map.arrivalUp(floor)) || !world::validCell(map.arrivalDown(floor)))
            return false;
    return true;
}

} // namespace

bool validateLoadedValues(const io::LoadedGame& game) {
    const world::Status& s = game.status;
    const std::int32_t track = s[MusicTrack];
    const std::int32_t lap = s[LapLevel];
    return std::all_of(std::begin(kRanges), std::end(kRanges),
                       [&](const Range& r) { return inRange(s, r); }) &&
           heldItemsValid(s) && (track == 0 || !sound::trackFile(track).empty()) &&
           (lap == 0 || lap == world::kLaterLap) && arrivalCellsValid(game.map);
}

} // namespace persist
