#include "solve/hint_search.h"

#include "combat/monsters.h"
#include "solve/moves.h"
#include "solve/search.h"
#include "world/catalogue.h"
#include "world/item_table.h"
#include "world/tiles.h"

#include <algorithm>
#include <optional>

namespace solve {
namespace {

using world::StepKind;

// The cell an arrow key steps towards from the hero's cell, when the line is an arrow key.
std::optional<int> stepTarget(std::string_view line, int hero) {
    const int x = world::cellX(hero);
    const int y = world::cellY(hero);
    if (line == "key up" && y > 0)
        return hero - world::kSide;
    if (line == "key down" && y < world::kSide - 1)
        return hero + world::kSide;
    if (line == "key left" && x > 0)
        return hero - 1;
    if (line == "key right" && x < world::kSide - 1)
        return hero + 1;
    return std::nullopt;
}

// What a tile is, as the player would say it: a monster by the name the game gives it when it
// is beaten ("the Green Slime", "The Magic Sergeant, Zeno"), anything else by its kind.
std::string thingName(std::uint8_t code) {
    if (const auto type = combat::monsterTypeOfTile(code)) {
        std::string name(world::catalogueLine(combat::monsterNameLine(*type)));
        return name.starts_with("The ") ? name : "the " + name;
    }
    const StepKind kind = world::stepKind(code);
    if (kind == StepKind::Altar)
        return "the altar";
    return "the " + std::string(world::tileName(code));
}

// What stepping towards the tile does, in the player's words.
std::string stepWords(std::uint8_t code) {
    switch (world::stepKind(code)) {
    case StepKind::Key:
    case StepKind::Item:
    case StepKind::Equipment:
        return "pick up " + thingName(code);
    case StepKind::Door:
        return "open " + thingName(code);
    case StepKind::Monster:
    case StepKind::Zeno:
        return "fight " + thingName(code);
    case StepKind::StairsUp:
    case StepKind::StairsDown:
        return "take " + thingName(code);
    case StepKind::Altar:
        return "pray at the altar";
    case StepKind::Merchant:
    case StepKind::OldMan:
    case StepKind::Fairy:
    case StepKind::Thief:
        return "talk to " + thingName(code);
    default:
        return "step towards " + thingName(code);
    }
}

// The item a click on its icon uses, if the line is one.
const world::Item* clickedItem(std::string_view line) {
    for (const world::Item& item : world::kItems)
        if (line.starts_with("click ") && line.substr(6) == item.icon)
            return &item;
    return nullptr;
}

// True when the game is another than before: the map, or any word of the status block but
// where the hero stands and faces (a walk is no action) and the sums of a save.
bool changed(const Position& before, const Position& after) {
    if (before.map.bytes != after.map.bytes)
        return true;
    for (int n = 0; n < world::Slot::Checksum; ++n)
        if (n != world::Slot::HeroX && n != world::Slot::HeroY && n != world::Slot::Facing &&
            before.status[n] != after.status[n])
            return true;
    return false;
}

// "open the yellow door at 5, 8, then fight the Green Slime at 6, 10"; the same action twice
// in a row is said once ("pray at the altar at 5, 3 twice").
std::string joined(const std::vector<std::string>& actions) {
    if (actions.size() == 2 && actions[0] == actions[1])
        return actions[0] + " twice";
    std::string text;
    for (std::size_t i = 0; i < actions.size(); ++i)
        text += (i == 0 ? "" : ", then ") + actions[i];
    return text;
}

// The doors beside the hero's region whose key he does not hold: "a yellow key or a red key".
std::string missingKeys(const Position& p) {
    const Region region = regionOf(p);
    struct Colour {
        std::uint8_t door;
        int slot;
        const char* key;
    };
    static constexpr Colour kColours[] = {
        {world::Tile::YellowDoor, world::Slot::YellowKeys, "a yellow key"},
        {world::Tile::BlueDoor, world::Slot::BlueKeys, "a blue key"},
        {world::Tile::RedDoor, world::Slot::RedKeys, "a red key"},
    };
    std::string text;
    for (const Colour& c : kColours) {
        bool blocking = false;
        for (int cell = 0; cell < world::kCells && !blocking; ++cell) {
            if (region.cost[static_cast<std::size_t>(cell)] < 0)
                continue;
            for (const char* k : {"key up", "key down", "key left", "key right"}) {
                const auto beside = stepTarget(k, cell);
                if (beside && p.map.tile(region.floor, *beside) == c.door)
                    blocking = true;
            }
        }
        if (blocking && p.status[c.slot] <= 0)
            text += (text.empty() ? "" : " or ") + std::string(c.key);
    }
    return text;
}

} // namespace

std::vector<std::string> actionsOf(Player& player, const Position& start,
                                   const std::vector<std::string>& lines, std::size_t most) {
    std::vector<std::string> actions;
    player.restore(start);
    const int startFloor = start.status[world::Slot::Floor];
    Position before = start;
    std::string pending;
    // The action under way is told once the game shows that it did something.
    auto close = [&] {
        if (!pending.empty() && changed(before, player.position()))
            actions.push_back(pending);
        pending.clear();
    };
    for (const std::string& line : lines) {
        const game::Game& game = player.game();
        const int floor = game.status[world::Slot::Floor];
        std::string words;
        if (const auto target = stepTarget(line, game.status.heroCell())) {
            const std::uint8_t code = game.map.tile(floor, *target);
            const StepKind kind = world::stepKind(code);
            if (kind != StepKind::Road && kind != StepKind::Blocked)
                words = stepWords(code) + " at " + std::to_string(world::cellX(*target)) + ", " +
                        std::to_string(world::cellY(*target));
        } else if (const world::Item* item = clickedItem(line)) {
            words = "use the " + std::string(item->name);
        }
        if (!words.empty()) {
            close();
            if (actions.size() >= most)
                break;
            if (floor != startFloor)
                words += " on floor " + std::to_string(floor);
            before = player.position();
            pending = std::move(words);
        }
        if (!player.play(line))
            break;
    }
    if (actions.size() < most)
        close();
    return actions;
}

Hint hintFor(Player& player, const Position& position, const HintBudget& budget) {
    SearchOptions options;
    options.beamWidth = budget.beam;
    options.seconds = budget.seconds;
    options.positions = budget.positions;
    options.workers = 1;
    options.stop = budget.stop;
    const SearchResult result = search({&player}, position, options);
    std::vector<std::string> actions;
    if (!result.route.empty())
        actions = actionsOf(player, position, result.route, 2);
    if (!actions.empty())
        return {"Hint: next, " + joined(actions) + ".", result.moves.front()};
    const std::string keys = missingKeys(position);
    const std::string without = keys.empty() ? "" : " without " + keys;
    if (result.exhausted)
        return {"Hint: no way on from here" + without + ".", {}};
    return {"Hint: no way on found near here" + without + ".", {}};
}

} // namespace solve
