#include "dialogue_face.h"

#include "pixels.h"
#include "skin.h"
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

// The picture of tile code c over the box's blue, through its mask.
render::Picture faceOf(const game::Game& game, int code) {
    const render::Picture* sprite = game.render.imageList1.find(code - 1);
    const render::Picture* mask = game.render.imageList3.find(code - 1);
    if (!sprite || sprite->width != kFace || sprite->height != kFace)
        return {};
    render::Picture face(kFace, kFace, skin::kDarkBlue.rgb() & 0xffffff);
    for (int y = 0; y < kFace; ++y)
        for (int x = 0; x < kFace; ++x)
            if (!mask || (mask->at(x, y) & 0xffffff) == 0)
                face.at(x, y) = sprite->at(x, y);
    return face;
}

} // namespace

render::Picture speakerFace(const game::Game& game) {
    const window::Window& w = game.window.main;
    const window::Control* box = w.find(window::names::RichEdit1);
    const window::Control* list = w.find(window::names::Panel1);
    if (!box || !box->visible || (list && list->visible) || box->height < 2 * kFace)
        return {};
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
