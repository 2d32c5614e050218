// Tile codes: what each byte of the tower map is, how it animates and what a step onto it does.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace world {

// Named tile codes. The numbers are the map and save-file format.
namespace Tile {
enum : std::uint8_t {
    Nothing = 0,
    YellowDoor = 1,
    BlueDoor = 2,
    RedDoor = 3,
    Gate = 4,
    PrisonBars = 5,
    Road = 6,
    EventCell = 7,
    Wall = 8,
    FalseWall = 9,
    Hidden = 10,
    StairsUp = 11,
    StairsDown = 12,
    Lava = 13,
    Void = 14,
    AltarLeft = 15,
    Altar = 16,
    AltarRight = 17,
    AltarSecond = 18,
    Merchant = 19,
    Thief = 21,
    Fairy = 23,
    OldMan = 25,
    TimeGate = 27,
    YellowKey = 29,
    RedKey = 30,
    BlueKey = 31,
    RedElixir = 32,
    BlueElixir = 33,
    RedCrystal = 34,
    BlueCrystal = 35,
    OrbOfHero = 36,
    OrbOfWisdom = 37,
    OrbOfFlying = 38,
    Cross = 39,
    Elixir = 40,
    Mattock = 41,
    DestructibleBall = 42,
    TransferArticle = 43,
    WingToAscend = 44,
    WingToDescend = 45,
    DragonSlayer = 46,
    SnowCrystal = 47,
    MagicKey = 48,
    SuperMattock = 49,
    LuckyGold = 50,
    IronSword = 51,
    SacredSword = 55,
    IronShield = 56,
    SacredShield = 60,
    FirstMonster = 61, // Green Slime; one-cell monsters stand on odd codes 61..95 and 133..157
    Zeno = 91,
    MagicSergeant = 93,
    OctopusFirst = 97,
    OctopusHead = 104,
    OctopusLast = 105,
    DragonFirst = 115,
    DragonHead = 122,
    DragonLast = 123,
    GoldenKnight = 133,
    GreatMagicMaster = 145,
    MagicianA = 151,
    MagicianB = 153,
    GateKeeperA = 157,
};
} // namespace Tile

// What a step towards a tile does; the step resolution dispatches on this.
enum class StepKind : std::uint8_t {
    Blocked,    // nothing happens: no move, no message, no sound
    Door,       // yellow, blue or red door: needs its key
    Road,       // the hero walks onto it
    Event,      // the floor's scripted event
    FalseWall,  // falls and becomes road
    Hidden,     // becomes what hides there, on the floors that hide something
    StairsUp,   // to the floor above
    StairsDown, // to the floor below
    Altar,      // the altar's offer
    Merchant,   // the merchant speaks
    Thief,      // the thief
    Fairy,      // the fairy
    OldMan,     // the old man speaks
    TimeGate,   // the gate of time and space
    Key,        // a key is picked up
    Item,       // potion, crystal or special item picked up
    Equipment,  // sword or shield picked up
    Monster,    // a fight
    Zeno,       // the Magic Sergeant Zeno: a fight on floor 49, the final scene on floor 50
};

// The one-cell monsters stand in two ranges of codes, two codes a kind: its first picture on
// the odd code, its second picture on the code after. The kinds below the big monsters (0..17)
// use 61..96, the kinds from the Golden Knight on (20..32) use 133..158; the Big Octopus (18)
// and the Dragon (19) lie between.
struct MonsterCodes {
    int first;     // first picture of the range's first kind
    int last;      // second picture of its last kind
    int firstKind; // the kind standing on `first`

    constexpr bool holds(int c) const { return c >= first && c <= last; }
    constexpr int kind(int c) const { return (c - first) / 2 + firstKind; }
};
inline constexpr MonsterCodes kLowMonsters{Tile::FirstMonster, 96, 0};
inline constexpr MonsterCodes kHighMonsters{Tile::GoldenKnight, 158, 20};

// The kind of a one-cell monster from either of its pictures, or nothing.
constexpr std::optional<int> oneCellKind(int c) {
    for (const MonsterCodes& range : {kLowMonsters, kHighMonsters})
        if (range.holds(c))
            return range.kind(c);
    return std::nullopt;
}

// A Magician, A or B, on either of his two animation pictures: a step beside him draws his
// blow.
constexpr bool isMagician(int c) {
    return c >= Tile::MagicianA && c <= Tile::MagicianB + 1;
}

// Frame-B step k of a tile: frame B shows picture c - 1 + k. The gate of time and space
// stops shimmering once the doll scene has been acknowledged (Status[116] = 1).
int frameBStep(std::uint8_t code, bool timeGateStilled);

StepKind stepKind(std::uint8_t code);

// The message-catalogue line announced when the tile lies beside the hero after a step.
std::optional<int> announcedLine(std::uint8_t code);

// The monster kind standing on a tile, or nothing for tiles that hold no monster.
std::optional<int> monsterKind(std::uint8_t code);

// A short English description of a tile code, for tools and reviews.
std::string_view tileName(std::uint8_t code);

// True for codes that only name a second animation picture and never stand in a map.
bool isSecondFrameCode(std::uint8_t code);

} // namespace world
