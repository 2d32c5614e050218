// The hero's progress: the status block of 164 slots and the seven words saved with it.
#pragma once

#include "world/tower_map.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

namespace world {

inline constexpr int kStatusSlots = 164;      // Status[0..163]
inline constexpr int kStatusBlockWords = 171; // the slots and the seven words that follow them
inline constexpr std::size_t kStatusBlockBytes = static_cast<std::size_t>(kStatusBlockWords) * 4;

// Slot numbers. The numbers are the save-file layout, so they never change.
namespace Slot {
enum : int {
    Life = 0,
    Offense = 1,
    Defense = 2,
    Gold = 3,
    Floor = 4,
    HighestFloor = 5,
    HeroX = 6,
    HeroY = 7,
    YellowKeys = 8,
    RedKeys = 9,
    BlueKeys = 10,
    AltarOfferings = 11,
    HeroHidden = 12,
    FairyMeetings = 14,
    SwordGrade = 15,
    ShieldGrade = 16,
    OrbOfHero = 17, // 0 not held, 1 held, 2 granted and waiting for its dialog's OK
    OrbOfWisdom = 18,
    OrbOfFlying = 19,
    Cross = 20,
    Elixir = 21,
    Mattock = 22,
    DestructibleBall = 23,
    TransferArticle = 24, // uses left
    WingToAscend = 25,
    WingToDescend = 26,
    DragonSlayer = 27,
    SnowCrystal = 28,
    MagicKey = 29,
    SuperMattock = 30,
    LuckyGold = 31,
    SwordTaken = 32,     // 32..36: Iron Sword .. Sacred Sword picked up
    ShieldTaken = 37,    // 37..41: Iron Shield .. Sacred Shield picked up
    MerchantBought = 42, // 42..53
    MerchantAdvice = 54, // 54..65
    OldManAdvice = 66,   // 66..83
    FairyValuation = 85,
    FairyPlace = 86,
    FairyList = 87,
    Facing = 88, // 1 down, 2 left, 3 right, 4 up
    WavOff = 89,
    MusicTrack = 90,
    DialogueSeenBase = 90, // Status[90 + c] = 1 once scripted dialogue c (1..57) was acknowledged
    Floor34Event = 148,
    Floor35Event = 149,
    Floor40Event = 150,
    OctopusEffect = 152,
    DragonEffect = 153,
    Floor41Event = 154,
    Floor32Arrival = 155,
    ZenoWeakened = 156,
    SaveMarker = 157, // -4 in a valid game
    FlightDirection = 158,
    LapLevel = 159,
    KeepProgress = 160,
    // The seven words after the slots (saved with them, not part of the slots).
    Checksum = 164,
    AltChecksum = 165,
    StartStairs = 166,
    RecordViewing = 167,
};
} // namespace Slot

// Facing values of Status[88].
enum class Facing : std::int32_t { Down = 1, Left = 2, Right = 3, Up = 4 };

// A value held within what a slot can hold: past the 32-bit range it stops at the range's end
// instead of wrapping round.
constexpr std::int32_t capped(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A gain (or a loss) added to a slot the way every gain of the game is, held within the range.
inline void raiseSlot(std::int32_t& slot, std::int64_t gain) {
    slot = capped(std::int64_t{slot} + gain);
}

inline constexpr std::int32_t kSaveMarker = -4;
inline constexpr std::int32_t kLaterLap = 43;

// Status: the 164 slots plus the seven following words, one contiguous block of 171 words.
struct Status {
    std::array<std::int32_t, kStatusBlockWords> words{};

    std::int32_t& operator[](int n) { return words.at(static_cast<std::size_t>(n)); }
    std::int32_t operator[](int n) const { return words.at(static_cast<std::size_t>(n)); }

    // The lap factor LapLevel + 1 that monsters and gains are multiplied by (the largest lap
    // level, which has no level above it, gives itself).
    std::int32_t lapFactor() const {
        const std::int32_t lap = words[Slot::LapLevel];
        return lap == INT32_MAX ? lap : lap + 1;
    }

    // The cell the hero stands on.
    int heroCell() const { return cellOf(words[Slot::HeroX], words[Slot::HeroY]); }

    // The block as saved: word n little-endian at byte 4n.
    std::array<std::uint8_t, kStatusBlockBytes> toBytes() const;
    static Status fromBytes(std::span<const std::uint8_t, kStatusBlockBytes> bytes);
};

} // namespace world
