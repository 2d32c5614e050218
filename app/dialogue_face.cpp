#include "dialogue_face.h"

#include "pixels.h"
#include "skin.h"
#include "state/explore_state.h"
#include "state/game.h"
#include "window/names.h"
#include "world/status.h"
#include "world/tiles.h"

#include <QPainter>
#include <array>

namespace shell {
namespace {

namespace Tile = world::Tile;

constexpr int kFace = 32;                      // the map's cell
constexpr int kEdge = 2;                       // the well around the face
constexpr int kInset = 6;                      // from the box's outer edge to the well
constexpr int kIndent = kFace + 2 * kEdge + 4; // the text's extra room at the left

// Whether a tile is one who speaks in the dialogue box.
bool speaks(int code) {
    constexpr std::array<int, 4> kPeople = {Tile::Merchant, Tile::Thief, Tile::Fairy, Tile::OldMan};
    for (const int first : kPeople)
        if (code == first || code == first + 1)
            return true;
    return code == Tile::Zeno || code == Tile::Zeno + 1 || code == Tile::MagicSergeant ||
           code == Tile::MagicSergeant + 1;
}

// Who speaks in each scripted dialogue of the story, by the tile that shows him on the map.
constexpr int kNobody = 0;  // the tale itself tells it: no face
constexpr int kHero = -1;   // the hero, standing, facing the player
constexpr int kAround = -2; // whoever stands by the hero (the old man of floor 23)
constexpr int kSkeletonCaptain = world::Tile::FirstMonster + 2 * 10; // the keeper of floor 10
constexpr int kVampire = world::Tile::FirstMonster + 2 * 17;
constexpr std::array<int, 63> kStorySpeakers = [] {
    std::array<int, 63> who{};
    auto say = [&who](int tile, std::initializer_list<int> dialogues) {
        for (const int n : dialogues)
            who[static_cast<std::size_t>(n)] = tile;
    };
    say(Tile::Thief, {1, 2, 3, 4, 5, 6, 7, 17, 18, 27, 28, 29, 32, 33, 41, 52, 58, 59});
    say(Tile::Zeno, {10, 42, 43, 45, 46, 50, 51, 53, 55});
    say(kHero, {11, 25, 26, 48, 54});
    say(kSkeletonCaptain, {13, 14});
    say(Tile::Fairy, {16, 22, 24, 40, 47});
    say(kVampire, {20});
    say(Tile::GoldenKnight, {30, 31, 34, 35, 36, 37, 38, 39});
    say(kAround, {61});
    return who;
}();

// The picture `sprite` of the tile pictures over the box's blue, through its mask.
render::Picture drawnFace(const render::Picture* sprite, const render::Picture* mask) {
    if (!sprite || sprite->width != kFace || sprite->height != kFace)
        return {};
    render::Picture face(kFace, kFace, skin::kDarkBlue.rgb() & 0xffffff);
    for (int y = 0; y < kFace; ++y)
        for (int x = 0; x < kFace; ++x)
            if (!mask || (mask->at(x, y) & 0xffffff) == 0)
                face.at(x, y) = sprite->at(x, y);
    return face;
}

render::Picture faceOf(const game::Game& game, int code) {
    return drawnFace(game.render.imageList1.find(code - 1), game.render.imageList3.find(code - 1));
}

// The hero standing, facing down, through the mask that follows him in the tile pictures.
render::Picture heroFace(const game::Game& game) {
    constexpr int kHeroStanding = 188;
    return drawnFace(game.render.imageList1.find(kHeroStanding),
                     game.render.imageList1.find(kHeroStanding + 1));
}

} // namespace

render::Picture speakerFace(const game::Game& game) {
    const window::Window& w = game.window.main;
    const window::Control* box = w.find(window::names::RichEdit1);
    const window::Control* list = w.find(window::names::Panel1);
    if (!box || !box->visible || (list && list->visible) || box->height < 2 * kFace)
        return {};
    const std::int32_t kind = game.explore.dialogKind;
    const std::int32_t story = kind - explore::Dialog::ScriptedBase;
    int speaker = kAround;
    if (kind == explore::Dialog::Record || kind == explore::Dialog::GameOver)
        speaker = kNobody;
    else if (story >= 0)
        speaker = story < static_cast<std::int32_t>(kStorySpeakers.size())
                      ? kStorySpeakers[static_cast<std::size_t>(story)]
                      : kNobody;
    if (speaker == kHero)
        return heroFace(game);
    if (speaker != kAround)
        return speaker == kNobody ? render::Picture{} : faceOf(game, speaker);
    const int floor = game.status[world::Slot::Floor];
    const int hero = game.heroCell;
    std::vector<int> cells = {game.targetCell};
    for (const int step : {-11, 11, -1, 1}) {
        const int cell = hero + step;
        const bool sameRow = step == -11 || step == 11 || cell / 11 == hero / 11;
        if (cell >= 0 && cell < world::kCells && sameRow)
            cells.push_back(cell);
    }
    for (const int cell : cells) {
        if (cell < 0 || cell >= world::kCells)
            continue;
        const int code = game.map.tile(floor, cell);
        if (code >= Tile::AltarLeft && code <= Tile::AltarSecond)
            return faceOf(game, Tile::Altar); // the altar speaks through its middle
        if (speaks(code))
            return faceOf(game, code);
    }
    return {};
}

DialogueFace::DialogueFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DialogueFace"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void DialogueFace::sync(const game::Game& game, int zoom,
                        std::map<std::string, ControlMirror::Accent>& accents) {
    render::Picture face = speakerFace(game);
    if (face.empty()) {
        face_ = {};
        hide();
        return;
    }
    const window::Control& box = game.window.main.control(window::names::RichEdit1);
    accents[std::string(window::names::RichEdit1)].indent = kIndent;
    const QRect place((box.x + kInset) * zoom, (box.y + kInset) * zoom, (kFace + 2 * kEdge) * zoom,
                      (kFace + 2 * kEdge) * zoom);
    if (geometry() != place)
        setGeometry(place);
    if (face != face_ || zoom != zoom_) {
        face_ = std::move(face);
        zoom_ = zoom;
        update();
    }
    raise();
    show();
}

void DialogueFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int z = zoom_;
    const QRect all = rect();
    // A sunken well: mortar above and to the left, the walls' edge below and to the right.
    painter.fillRect(all, skin::kWallEdge);
    painter.fillRect(all.adjusted(0, 0, -kEdge * z, -kEdge * z), skin::kWallMortar);
    const QRect inside = all.adjusted(kEdge * z, kEdge * z, -kEdge * z, -kEdge * z);
    paintPicture(painter, inside, face_);
}

} // namespace shell
