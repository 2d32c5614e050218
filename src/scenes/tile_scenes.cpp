#include "scenes/tile_scenes.h"

#include "combat/battle.h"
#include "combat/effects.h"
#include "combat/monsters.h"
#include "explore/doors.h"
#include "explore/movement.h"
#include "explore/step.h"
#include "render/controls.h"
#include "scenes/floor_events.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/game.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <array>
#include <vector>

namespace scenes {

using namespace script;
namespace {

using namespace world;

constexpr int kWallFell = 137;    // "The wall fell down. Changed to the road!"
constexpr int kWhatCaption = 218; // "What?"
constexpr int kRoadToWall = 114;  // selector of "The road changed to the wall!"

// Hidden triggers: on floor 41 the second Magician A appears only once the first is beaten.
struct HiddenThing {
    int floor;
    int cell;        // the trigger's cell; -1: any
    int becomesCell; // the cell that changes
    std::uint8_t tile;
};
constexpr std::array<HiddenThing, 4> kHidden = {{
    {12, 10, 10, Tile::Merchant},
    {16, 120, 120, Tile::OldMan},
    {19, 27, 27, Tile::Cross},
    {41, -1, 20, Tile::MagicianA},
}};

bool hiddenConditionHolds(const game::Game& game, const HiddenThing& h) {
    if (h.cell >= 0)
        return game.targetCell == h.cell;
    return game.map.tile(h.floor, 12) == Tile::Road; // floor 41's first Magician A is beaten
}

// The gate of time and space and the places its scene changes.
constexpr int kGateTrack = 13;
constexpr int kGateCell = 60;
constexpr int kDollDialogFirst = 25;
constexpr int kDollDialogSecond = 26;

// The ending of the first lap: the window fades into the ending pictures, then the next lap.
void pushEndingScript(game::Game& game) {
    constexpr int kFirstStep = 232;
    constexpr int kLastStep = 247;
    Script script(game);
    script.add(Cmd::Special, Special::HideStatus)
        .pause()
        .add(Cmd::Special, Special::KeepScreen)
        .pause();
    for (int k = kFirstStep; k <= kLastStep; ++k)
        script.sound(Effect::Open)
            .pause()
            .add(Cmd::Special, Special::Transition, k)
            .add(Cmd::Pause, 2);
    script.add(Cmd::Special, Special::LapComplete).pause().push(game);
}

// Event cells: what each floor's cell does before its floor script runs.
enum class EventKind { None, Capture, WalkOntoRoad, Floor20, HiddenWall, ScriptOnly };

struct FloorEvent {
    int floor;
    EventKind kind;
    int track; // music of the event, 0: the music stays
};
constexpr std::array<FloorEvent, 15> kEvents = {{
    {3, EventKind::Capture, 0},
    {10, EventKind::WalkOntoRoad, 0},
    {15, EventKind::WalkOntoRoad, 0},
    {20, EventKind::Floor20, 16},
    {23, EventKind::HiddenWall, 0},
    {24, EventKind::WalkOntoRoad, 0},
    {25, EventKind::WalkOntoRoad, 7},
    {30, EventKind::WalkOntoRoad, 0},
    {32, EventKind::ScriptOnly, 0},
    {33, EventKind::WalkOntoRoad, 0},
    {38, EventKind::WalkOntoRoad, 0},
    {40, EventKind::WalkOntoRoad, 18},
    {42, EventKind::ScriptOnly, 0},
    {43, EventKind::WalkOntoRoad, 0},
    {48, EventKind::ScriptOnly, 0},
}};
constexpr FloorEvent kFloor49Event{49, EventKind::WalkOntoRoad, 19};

FloorEvent eventOf(int floor) {
    if (floor == kFloor49Event.floor)
        return kFloor49Event;
    for (const auto& e : kEvents) {
        if (e.floor == floor)
            return e;
    }
    return {floor, EventKind::None, 0};
}

// The event cell the hero has walked onto becomes road.
void roadUnderHero(game::Game& game) {
    game.map.setTile(game.status[Slot::Floor], game.targetCell, Tile::Road);
}

// Floor 3: Zeno welcomes the hero on the event cell.
void captureEvent(game::Game& game) {
    explore::idou(game);
    timer2on(game);
    roadUnderHero(game);
    render::setText(game, window::names::Button1, std::string(catalogueLine(kWhatCaption)));
    Script script(game);
    if (script.musicIsOn())
        script.musicOff().pause();
    script.add(combat::zenoAppearance(game, 70)).pause(4).add(Cmd::MessageBox, 10).push(game);
}

// Floor 23: the road the hero steps towards turns into a wall.
void hiddenWallEvent(game::Game& game) {
    Script(game, {{Cmd::Pause, 0, 0},
                  {Cmd::Pause, 0, 0},
                  {Cmd::Sound, Effect::Open, 0},
                  {Cmd::Pause, 0, 0},
                  {Cmd::SetTile, game.targetCell, Tile::Wall},
                  {Cmd::Pause, 0, 0},
                  {Cmd::Message, kRoadToWall, 0},
                  {Cmd::Pause, 0, 0}})
        .play(game);
}

} // namespace

void falseWallRule(game::Game& game) {
    timer2on(game);
    game.composeMessage(std::string(catalogueLine(kWallFell)));
    Script(game)
        .door(game.targetCell, DoorKind::WallSinks)
        .pause()
        .message(game::kComposedMessage)
        .pause()
        .push(game);
}

void hiddenTriggerRule(game::Game& game) {
    const int floor = game.status[Slot::Floor];
    for (const auto& h : kHidden) {
        if (h.floor != floor || !hiddenConditionHolds(game, h))
            continue;
        Script(game, {{Cmd::Pause, 0, 0},
                      {Cmd::Pause, 0, 0},
                      {Cmd::Sound, Effect::Get, 0},
                      {Cmd::Pause, 0, 0},
                      {Cmd::SetTile, h.becomesCell, h.tile},
                      {Cmd::Pause, 0, 0}})
            .play(game);
        return;
    }
}

void gateRule(game::Game& game) {
    if (game.status[Slot::MusicTrack] != kGateTrack)
        changeMusic(game, kGateTrack);
    if (game.map.tile(25, 60) == Tile::Road) // the Great Magic Master is beaten
        openFloor24Passage(game);
    game.map.setTile(kTopFloor, 49, Tile::Thief);
    Script(game, {{Cmd::Pause, 0, 0},
                  {Cmd::Pause, 0, 0},
                  {Cmd::MessageBox, kDollDialogFirst, 0},
                  {Cmd::Pause, 0, 0},
                  {Cmd::MessageBox, kDollDialogSecond, 0},
                  {Cmd::Pause, 0, 0},
                  {Cmd::SetTile, kGateCell, Tile::TimeGate},
                  {Cmd::Pause, 0, 0}})
        .play(game);
}

void zenoRule(game::Game& game) {
    const Status& s = game.status;
    const int floor = s[Slot::Floor];
    if (floor == kTopFloor && s[Slot::LapLevel] == 0) {
        render::setTimerRunning(game, window::names::Timer1, false);
        timer2on(game);
        pushEndingScript(game);
        return;
    }
    if (floor == kTopFloor && s[Slot::KeepProgress] != 1)
        combat::setLaterLapZeno(game);
    if (floor == kTopFloor || floor == 49)
        combat::taisen(game);
}

void mevent(game::Game& game) {
    itemdel(game);
    const auto before = game.explore.stack.mark();
    const FloorEvent event = eventOf(game.status[Slot::Floor]);
    switch (event.kind) {
    case EventKind::Capture:
        captureEvent(game);
        break;
    case EventKind::HiddenWall:
        hiddenWallEvent(game);
        break;
    case EventKind::Floor20:
        explore::idou(game);
        if (game.targetCell != 82)
            break;
        roadUnderHero(game);
        changeMusic(game, event.track);
        ichicheck(game);
        break;
    case EventKind::WalkOntoRoad:
        explore::idou(game);
        roadUnderHero(game);
        if (event.track != 0)
            changeMusic(game, event.track);
        ichicheck(game);
        break;
    case EventKind::ScriptOnly:
        ichicheck(game);
        break;
    case EventKind::None:
        break;
    }
    // An event that pushed nothing (a floor without a scene, or floor 43 once its Sergeant is
    // gone) would leave input closed for good: reopen it.
    if (!game.explore.stack.pushedSince(before))
        itemlive(game);
}

void toroad2(game::Game& game) {
    timer2on(game);
    const int cell = game.targetCell;
    const std::uint8_t old = game.map.tile(game.status[Slot::Floor], cell);
    Script(game, {{Cmd::PutTile, cell, Tile::Road}}).push(game);
    for (int mask : {182, 178, 174, 170, 166}) {
        Script(game, {{Cmd::Sound, Effect::Open, 0},
                      {Cmd::Pause, 0, 0},
                      {Cmd::MaskedSprite, cell, mask},
                      {Cmd::Pause, old, Tile::Road}})
            .push(game);
    }
}

void openFloor24Passage(game::Game& game) {
    constexpr int kFloor = 24;
    for (int cell : {4, 6})
        game.map.setTile(kFloor, cell, Tile::Wall);
    for (int cell : {16, 27, 38})
        game.map.setTile(kFloor, cell, Tile::Road);
    game.map.setTile(kFloor, 5, Tile::EventCell);
}

} // namespace scenes
