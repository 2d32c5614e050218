#include "persist/saved_game.h"

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
    {SwordGrade, 0, 5},
    {ShieldGrade, 0, 5},
    {OrbOfHero, 0, 2},
    {TransferArticle, 0, 3},
    {FairyPlace, 0, 10},
    {FairyList, 0, 5},
    {Facing, 1, 4},
    {OctopusEffect, 0, kCountMax},
    {DragonEffect, 0, kCountMax},
    {FlightDirection, 0, 2},
    {KeepProgress, 0, 1},
    {StartStairs, 0, 2},
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

Checksums checksums(const world::Status& status) {
    std::uint32_t sum = 0;
    std::uint32_t alternating = 0;
    for (int n = 0; n < world::kStatusSlots; ++n) {
        const auto v = static_cast<std::uint32_t>(status[n]);
        sum += v;
        alternating = (n % 2 == 0) ? alternating + v : alternating - v;
    }
    return {static_cast<std::int32_t>(sum), static_cast<std::int32_t>(alternating)};
}

void stampChecksums(world::Status& status) {
    const Checksums c = checksums(status);
    status[world::Slot::Checksum] = c.sum;
    status[world::Slot::AltChecksum] = c.alternating;
}

SaveImage toImage(const world::TowerMap& map, const world::Status& status) {
    SaveImage image{};
    std::copy(map.bytes.begin(), map.bytes.end(), image.begin());
    const auto block = status.toBytes();
    std::copy(block.begin(), block.end(), image.begin() + world::kTowerBytes);
    return image;
}

std::optional<LoadedGame> fromImage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kSaveBytes)
        return std::nullopt;
    LoadedGame g;
    std::copy_n(bytes.begin(), world::kTowerBytes, g.map.bytes.begin());
    g.status = world::Status::fromBytes(
        bytes.subspan(world::kTowerBytes).first<world::kStatusBlockBytes>());
    return g;
}

bool isValid(const world::Status& status) {
    const Checksums c = checksums(status);
    return status[world::Slot::SaveMarker] == world::kSaveMarker &&
           status[world::Slot::Checksum] == c.sum &&
           status[world::Slot::AltChecksum] == c.alternating;
}

bool validateLoadedValues(const LoadedGame& game) {
    const world::Status& s = game.status;
    const std::int32_t track = s[MusicTrack];
    const std::int32_t lap = s[LapLevel];
    return std::all_of(std::begin(kRanges), std::end(kRanges),
                       [&](const Range& r) { return inRange(s, r); }) &&
           heldItemsValid(s) && (track == 0 || !sound::trackFile(track).empty()) &&
           (lap == 0 || lap == world::kLaterLap) && arrivalCellsValid(game.map);
}

} // namespace persist
