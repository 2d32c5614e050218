#include "world/tiles.h"

#include "world/item_table.h"

#include <array>

namespace world {
namespace {

constexpr bool in(int c, int lo, int hi) {
    return c >= lo && c <= hi;
}

constexpr int kOctopusPictureLast = 114; // the Big Octopus's last second picture

constexpr std::array<std::string_view, 10> kEquipmentNames = {
    "Iron Sword",  "Silver Sword",  "Sword of Knight",  "Holy Sword",  "Sacred Sword",
    "Iron Shield", "Silver Shield", "Shield of Knight", "Holy Shield", "Sacred Shield",
};

constexpr std::array<std::string_view, 29> kLowNames = {
    "nothing",
    "yellow door",
    "blue door",
    "red door",
    "guarded gate",
    "prison bars",
    "road",
    "event cell",
    "wall",
    "false wall",
    "hidden thing",
    "stairs up",
    "stairs down",
    "lava",
    "void",
    "altar (left)",
    "altar",
    "altar (right)",
    "altar (second picture)",
    "merchant",
    "merchant (second picture)",
    "thief",
    "thief (second picture)",
    "fairy",
    "fairy (second picture)",
    "old man",
    "old man (second picture)",
    "gate of time and space",
    "gate of time and space (second picture)",
};

constexpr std::array<std::string_view, 7> kPickupNames = {
    "yellow key", "red key", "blue key", "red elixir", "blue elixir", "red crystal", "blue crystal",
};

} // namespace

int frameBStep(std::uint8_t code, bool timeGateStilled) {
    const int c = code;
    if (c == Tile::Lava || c == Tile::Void)
        return 147;
    if (c == Tile::Altar)
        return 2;
    if (in(c, 19, 26))
        return 1;
    if (in(c, 27, 28))
        return timeGateStilled ? 0 : 1;
    // Every one-cell monster's first picture, and the low kinds' second pictures as well.
    if (kLowMonsters.holds(c) || in(c, kHighMonsters.first, Tile::GateKeeperA))
        return 1;
    if (in(c, Tile::OctopusFirst, Tile::OctopusLast) ||
        in(c, Tile::DragonFirst, Tile::DragonLast)) {
        return 9;
    }
    return 0;
}

StepKind stepKind(std::uint8_t code) {
    const int c = code;
    if (in(c, 1, 3))
        return StepKind::Door;
    switch (c) {
    case Tile::Road:
        return StepKind::Road;
    case Tile::EventCell:
        return StepKind::Event;
    case Tile::FalseWall:
        return StepKind::FalseWall;
    case Tile::Hidden:
        return StepKind::Hidden;
    case Tile::StairsUp:
        return StepKind::StairsUp;
    case Tile::StairsDown:
        return StepKind::StairsDown;
    case Tile::Altar:
        return StepKind::Altar;
    default:
        break;
    }
    if (in(c, 19, 20))
        return StepKind::Merchant;
    if (in(c, 21, 22))
        return StepKind::Thief;
    if (in(c, 23, 24))
        return StepKind::Fairy;
    if (in(c, 25, 26))
        return StepKind::OldMan;
    if (in(c, 27, 28))
        return StepKind::TimeGate;
    if (in(c, 29, 31))
        return StepKind::Key;
    if (in(c, 32, 50))
        return StepKind::Item;
    if (in(c, 51, 60))
        return StepKind::Equipment;
    if (in(c, 91, 92))
        return StepKind::Zeno;
    if (in(c, kLowMonsters.first, Tile::Zeno - 1) ||
        in(c, Tile::MagicSergeant, kOctopusPictureLast) || c == Tile::DragonHead ||
        in(c, kHighMonsters.first, Tile::GateKeeperA)) {
        return StepKind::Monster;
    }
    return StepKind::Blocked; // gates, bars, walls, lava, void, altar sides, Dragon body, unused
}

std::optional<int> announcedLine(std::uint8_t code) {
    switch (code) {
    case Tile::StairsUp:
    case Tile::StairsDown:
        return 146;
    case Tile::Lava:
        return 179;
    case Tile::Altar:
    case Tile::AltarSecond:
        return 151;
    // Characters and magicians on either of their two animation pictures.
    case Tile::Merchant:
    case Tile::Merchant + 1:
        return 140;
    case Tile::Thief:
    case Tile::Thief + 1:
        return 142;
    case Tile::Fairy:
    case Tile::Fairy + 1:
        return 141;
    case Tile::OldMan:
    case Tile::OldMan + 1:
        return 139;
    case Tile::MagicianA:
    case Tile::MagicianA + 1:
        return 237;
    case Tile::MagicianB:
    case Tile::MagicianB + 1:
        return 238;
    default:
        return std::nullopt;
    }
}

std::optional<int> monsterKind(std::uint8_t code) {
    const int c = code;
    if (kLowMonsters.holds(c))
        return kLowMonsters.kind(c);
    if (in(c, Tile::OctopusFirst, Tile::OctopusLast))
        return 18;
    if (in(c, Tile::DragonFirst, Tile::DragonLast))
        return 19;
    // The top range is read one code low: the Dragon's last second picture reads as the Dragon
    // and the last kind's second picture as no monster. No map holds either code.
    if (in(c, kHighMonsters.first - 1, kHighMonsters.last - 1))
        return (c + 1) / 2 - (kHighMonsters.first + 1) / 2 + kHighMonsters.firstKind;
    return std::nullopt;
}

bool isSecondFrameCode(std::uint8_t code) {
    const int c = code;
    if (in(c, 18, 28))
        return c % 2 == 0;
    if (oneCellKind(c))
        return c % 2 == 0;
    return in(c, 106, 114) || in(c, 124, 132);
}

std::string_view tileName(std::uint8_t code) {
    const int c = code;
    if (c < static_cast<int>(kLowNames.size()))
        return kLowNames[static_cast<std::size_t>(c)];
    if (in(c, 29, 35))
        return kPickupNames[static_cast<std::size_t>(c - 29)];
    if (in(c, 36, 50))
        return item(c - Tile::OrbOfHero).name;
    if (in(c, 51, 60))
        return kEquipmentNames[static_cast<std::size_t>(c - 51)];
    if (in(c, 106, 114))
        return "Big Octopus (second picture)";
    if (in(c, 124, 131))
        return "Dragon (second picture)";
    if (monsterKind(code))
        return isSecondFrameCode(code) ? "monster (second picture)" : "monster";
    return "unused";
}

} // namespace world
