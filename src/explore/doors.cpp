#include "explore/doors.h"

#include "explore/movement.h"
#include "render/controls.h"
#include "render/play_field.h"
#include "script/executor.h"
#include "script/script.h"
#include "state/game.h"
#include "window/names.h"
#include "world/tiles.h"

#include <array>

namespace explore {

using namespace script;
namespace {

using namespace world;
using render::Picture;
using render::Rect;

constexpr int kSide = render::kCellSide;
constexpr int kHalf = kSide / 2;
constexpr int kDoorIntervalMs = 10;

// Pictures of imageList1 the door animations draw with (a tile code c is picture c - 1).
namespace DoorPic {
constexpr int Gate = Tile::Gate - 1;
constexpr int Bars = Tile::PrisonBars - 1;
constexpr int Road = Tile::Road - 1;
constexpr int Wall = Tile::Wall - 1;
constexpr int Lava = Tile::Lava - 1;
} // namespace DoorPic

// How the moving picture meets the background at frame k.
enum class Motion {
    SlideApart,    // the two halves part horizontally by k
    QuartersOut,   // the four quarters slide out to the corners by k
    QuartersIn,    // the four quarters slide in from the corners, k pixels of each shown
    BarsRise,      // the bars, laid over with their mask, rise by 2k
    Sink,          // the picture sinks by 2k
    Rise,          // the picture rises from the bottom by 2k
    GrowFromRight, // 2k columns of the picture from the right edge
    GrowFromLeft,
    GrowFromTop,
    GrowFromBottom,
};

struct KindInfo {
    int background; // picture behind
    int moving;     // picture that moves (-1: the door's own picture, d - 1)
    Motion motion;
    std::uint8_t finalTile; // what the map cell holds from the first frame on
};

constexpr std::array<KindInfo, 12> kKinds = {{
    {DoorPic::Road, -1, Motion::SlideApart, Tile::Road},
    {DoorPic::Road, -1, Motion::SlideApart, Tile::Road},
    {DoorPic::Road, -1, Motion::SlideApart, Tile::Road},
    {DoorPic::Road, DoorPic::Gate, Motion::QuartersOut, Tile::Road},
    {DoorPic::Road, DoorPic::Gate, Motion::QuartersIn, Tile::Gate},
    {DoorPic::Road, DoorPic::Bars, Motion::BarsRise, Tile::Road},
    {DoorPic::Road, DoorPic::Wall, Motion::Sink, Tile::Road},
    {DoorPic::Road, DoorPic::Wall, Motion::Rise, Tile::Wall},
    {DoorPic::Lava, DoorPic::Road, Motion::GrowFromRight, Tile::Road},
    {DoorPic::Lava, DoorPic::Road, Motion::GrowFromLeft, Tile::Road},
    {DoorPic::Lava, DoorPic::Road, Motion::GrowFromTop, Tile::Road},
    {DoorPic::Lava, DoorPic::Road, Motion::GrowFromBottom, Tile::Road},
}};

Picture listPicture(const render::PictureList& list, int n) {
    Picture p(kSide, kSide);
    render::drawListPicture(p, 0, 0, list, n);
    return p;
}

// The four quarters of the cell, each moved by (dx, dy) times the shift.
struct Quarter {
    int x;
    int y;
    int dx;
    int dy;
};
constexpr std::array<Quarter, 4> kQuarters = {
    {{0, 0, -1, -1}, {kHalf, 0, 1, -1}, {0, kHalf, -1, 1}, {kHalf, kHalf, 1, 1}}};

// The part of each quarter that stays inside the cell when it moves out by k.
void quartersOut(Picture& cell, const Picture& moving, int k) {
    const int n = kHalf - k;
    for (const auto& q : kQuarters) {
        const int fromX = q.x + (q.dx < 0 ? k : 0);
        const int fromY = q.y + (q.dy < 0 ? k : 0);
        render::drawRect(cell, fromX + q.dx * k, fromY + q.dy * k, moving, {fromX, fromY, n, n});
    }
}

// The inner k by k part of each quarter, shown at its corner.
void quartersIn(Picture& cell, const Picture& moving, int k) {
    for (const auto& q : kQuarters) {
        const int fromX = q.dx < 0 ? kHalf - k : kHalf;
        const int fromY = q.dy < 0 ? kHalf - k : kHalf;
        const int toX = q.dx < 0 ? 0 : kSide - k;
        const int toY = q.dy < 0 ? 0 : kSide - k;
        render::drawRect(cell, toX, toY, moving, {fromX, fromY, k, k});
    }
}

// The bars rise by 2k over the road, laid through their mask.
void barsRise(Picture& cell, const game::Game& game, const Picture& bars, int k) {
    Picture sprite(kSide, kSide);
    Picture mask(kSide, kSide, render::kWhite);
    const Picture barsMask = listPicture(game.render.imageList3, DoorPic::Bars);
    const Rect rows{0, 2 * k, kSide, kSide - 2 * k};
    render::drawRect(sprite, 0, 0, bars, rows);
    render::drawRect(mask, 0, 0, barsMask, rows);
    render::kasanegaki(cell, sprite, mask);
}

// One frame of a door animation of the kind, at frame k.
Picture composeFrame(const game::Game& game, int kind, int k) {
    const KindInfo& info = kKinds[static_cast<std::size_t>(kind - 1)];
    const auto& list = game.render.imageList1;
    Picture cell = listPicture(list, info.background);
    const Picture moving = listPicture(list, info.moving < 0 ? kind - 1 : info.moving);
    const int band = 2 * k;
    switch (info.motion) {
    case Motion::SlideApart:
        render::drawRect(cell, 0, 0, moving, {k, 0, kHalf - k, kSide});
        render::drawRect(cell, kHalf + k, 0, moving, {kHalf, 0, kHalf - k, kSide});
        break;
    case Motion::QuartersOut:
        quartersOut(cell, moving, k);
        break;
    case Motion::QuartersIn:
        quartersIn(cell, moving, k);
        break;
    case Motion::BarsRise:
        barsRise(cell, game, moving, k);
        break;
    case Motion::Sink:
        render::drawRect(cell, 0, band, moving, {0, 0, kSide, kSide - band});
        break;
    case Motion::Rise:
        render::drawRect(cell, 0, kSide - band, moving, {0, 0, kSide, band});
        break;
    case Motion::GrowFromRight:
        render::drawRect(cell, kSide - band, 0, moving, {0, 0, band, kSide});
        break;
    case Motion::GrowFromLeft:
        render::drawRect(cell, 0, 0, moving, {0, 0, band, kSide});
        break;
    case Motion::GrowFromTop:
        render::drawRect(cell, 0, 0, moving, {0, 0, kSide, band});
        break;
    case Motion::GrowFromBottom:
        render::drawRect(cell, 0, kSide - band, moving, {0, kSide - band, kSide, band});
        break;
    }
    return cell;
}

// The key a coloured door needs and the messages of the door rule, by door tile 1..3.
struct DoorColour {
    int keySlot;
    int openedSelector;  // "The door opened." and its blue and red forms
    int missingSelector; // "Don't have a key of the door." and its forms
};
constexpr std::array<DoorColour, 3> kColours = {{
    {Slot::YellowKeys, 4, 16},
    {Slot::BlueKeys, 5, 17},
    {Slot::RedKeys, 6, 18},
}};

// The nine yellow doors of floor 39; opening 14 and 38 first, in either order, leaves the
// middle one (36) as the transfer item.
constexpr int kFloor39 = 39;
constexpr std::array<int, 7> kFloor39OtherDoors = {12, 16, 34, 36, 56, 58, 60};
constexpr int kFloor43 = 43;

bool floor39Pattern(const game::Game& game) {
    const int floor = kFloor39;
    int sum = 0;
    for (int cell : kFloor39OtherDoors)
        sum += game.map.tile(floor, cell);
    if (sum != static_cast<int>(kFloor39OtherDoors.size()) * Tile::YellowDoor)
        return false;
    const int target = game.targetCell;
    return (target == 38 && game.map.tile(floor, 14) == Tile::Road) ||
           (target == 14 && game.map.tile(floor, 38) == Tile::Road);
}

} // namespace

void doorRule(game::Game& game) {
    Status& s = game.status;
    const int target = game.targetCell;
    const std::uint8_t door = game.map.tile(s[Slot::Floor], target);
    const DoorColour& colour = kColours[static_cast<std::size_t>(door - 1)];
    game.messageSelector = colour.missingSelector;
    const bool opens = s[colour.keySlot] > 0;
    if (opens) {
        s[colour.keySlot] -= 1;
        game.messageSelector = colour.openedSelector;
    }
    doorcheck(game);
    Script script(game);
    if (opens)
        script.door(target, door).add(Cmd::SidePanels);
    script.message(game.messageSelector).play(game);
}

void dooropen(game::Game& game) {
    const CommandEntry e = game.explore.stack.topEntry();
    const int cell = e.arg1;
    const int kind = e.arg2;
    const int k = game.explore.stack.beneath().arg2;
    if (kind < 1 || kind > static_cast<int>(kKinds.size()) || !validCell(cell))
        return;
    render::setTimerInterval(game, window::names::Timer2, kDoorIntervalMs);
    if (k == kDoorFrames)
        timerin(game);
    if (k >= 0 && k <= kDoorFrames && game.render.pictures) {
        const Picture frame = composeFrame(game, kind, k);
        const int x = cellX(cell) * kSide;
        const int y = cellY(cell) * kSide;
        render::draw(game.render.frameA, x, y, frame);
        render::draw(game.render.frameB, x, y, frame);
        render::show(game);
    }
    game.map.setTile(game.status[Slot::Floor], cell,
                     kKinds[static_cast<std::size_t>(kind - 1)].finalTile);
}

void doorcheck(game::Game& game) {
    const int floor = game.status[Slot::Floor];
    if (floor == kFloor39 && floor39Pattern(game)) {
        Script(game, {{Cmd::Pause, 0, 0},
                      {Cmd::Pause, 0, 0},
                      {Cmd::Sound, Effect::Get, 0},
                      {Cmd::Pause, 0, 0},
                      {Cmd::SetTile, 36, Tile::TransferArticle},
                      {Cmd::Pause, 0, 0}})
            .push(game);
    } else if (floor == kFloor43 && game.targetCell == 7 &&
               game.map.tile(floor, 8) == Tile::MagicSergeant) {
        Script(game, {{Cmd::SetTile, 7, Tile::EventCell}}).push(game);
    }
}

} // namespace explore
