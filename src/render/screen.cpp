#include "render/screen.h"

#include "render/panel.h"
#include "render/play_field.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/item_table.h"

#include <span>
#include <string>
#include <string_view>

namespace render {
namespace {

constexpr int kLeftPanelWidth = 125;
constexpr int kRightPanelLeft = 515;

// The window controls hidden whenever play is set up: the dialogue box and every dialogue,
// floor-chooser, record and choice button, the arrow buttons, the monster list and the title.
std::vector<std::string_view> dialogueControls() {
    namespace n = window::names;
    std::vector<std::string_view> names = {n::RichEdit1, n::Button1, n::Button2,  n::Button7,
                                           n::Button8,   n::Button9, n::Button10, n::Button35,
                                           n::Button36,  n::Panel1,  n::Image23};
    for (const auto& family : {std::span<const std::string_view>(n::kRecordButtons),
                               std::span<const std::string_view>(n::kChoiceButtons),
                               std::span<const std::string_view>(n::kArrowButtons),
                               std::span<const std::string_view>(n::kListNames),
                               std::span<const std::string_view>(n::kListStrengths),
                               std::span<const std::string_view>(n::kListForecasts),
                               std::span<const std::string_view>(n::kListPictures)})
        names.insert(names.end(), family.begin(), family.end());
    return names;
}

// Load a picture of the data/ folder into a control; the first failure is kept in `error`.
void loadInto(game::Game& game, std::string_view control, const std::string& file,
              std::optional<PictureError>& error) {
    if (!game.render.pictures)
        return;
    PictureResult loaded = game.render.files.read(dataPath(game.folders.game, file));
    if (!loaded.ok() && !error)
        error = loaded.error;
    game.window.main.control(control).picture = std::move(loaded.picture);
}

// Make the play-field frames and the cell buffers their working size, keeping what a frame
// of the right size already holds.
void sizeBuffers(RenderState& r) {
    for (Surface* frame : {&r.frameA, &r.frameB})
        if (frame->width() != kFieldSide || frame->height() != kFieldSide)
            *frame = Picture(kFieldSide, kFieldSide);
    for (Picture* cell : {&r.tileBuffer, &r.spriteBuffer, &r.maskBuffer})
        if (cell->width != kCellSide || cell->height != kCellSide)
            *cell = Picture(kCellSide, kCellSide);
}

// The work picture of left panel, title and right panel, from the panels just loaded.
void composeScreenBuffer(game::Game& game, bool laterLap, std::optional<PictureError>& error) {
    window::Window& w = game.window.main;
    RenderState& r = game.render;
    PictureResult title =
        r.files.read(dataPath(game.folders.game, laterLap ? "title05R.bmp" : "title05.bmp"));
    if (!title.ok() && !error)
        error = title.error;
    r.screenBuffer = Picture(kScreenWidth, kScreenHeight);
    draw(r.screenBuffer, 0, 0, w.control(window::names::Image2).picture);
    draw(r.screenBuffer, kLeftPanelWidth, 0, title.picture);
    draw(r.screenBuffer, kRightPanelLeft, 0, w.control(window::names::Image3).picture);
}

// The monster panel with no current monster.
void clearMonsterPanel(game::Game& game) {
    PanelView& v = game.render.panel;
    v.monster.picture.set(Picture());
    for (PanelText& field : v.monsterFields)
        field.text.set({});
}

// Show all fifteen item icons and enable those of held items that a click can use.
void enableItemIcons(game::Game& game) {
    for (const world::Item& item : world::kItems) {
        if (item.clickable && world::usable(game.status, item))
            game.window.main.control(item.icon).enabled = true;
    }
    showItemIcons(game, true);
}

} // namespace

void showBackground(game::Game& game, std::string_view control) {
    window::Control& c = game.window.main.control(control);
    c.visible = true;
    if (game.render.pictures)
        draw(game.window.main.screen, c.x, c.y, c.picture);
}

std::optional<PictureError> loadPictures(game::Game& game) {
    std::optional<PictureError> error;
    for (auto [control, file] : {std::pair{window::names::Image1, "center.bmp"},
                                 std::pair{window::names::Image2, "left.bmp"},
                                 std::pair{window::names::Image3, "right.bmp"}}) {
        loadInto(game, control, file, error);
        if (error)
            return error;
    }
    RenderState& r = game.render;
    for (auto [list, layout] :
         {std::pair{&r.imageList1, &kImageList1File}, std::pair{&r.imageList3, &kImageList3File},
          std::pair{&r.imageList2, &kImageList2File}})
        if (auto failed = loadPictureList(*list, game.folders.game, *layout))
            return failed;
    sizeBuffers(r);
    return std::nullopt;
}

std::optional<PictureError> resetPlayScreen(game::Game& game) {
    window::Window& w = game.window.main;
    RenderState& r = game.render;
    for (const std::string_view name : dialogueControls())
        w.control(name).visible = false;

    std::optional<PictureError> error;
    const bool laterLap = game.status[world::Slot::LapLevel] != 0;
    loadInto(game, window::names::Image2, laterLap ? "leftr.bmp" : "left.bmp", error);
    loadInto(game, window::names::Image3, laterLap ? "rightr.bmp" : "right.bmp", error);
    if (r.pictures)
        composeScreenBuffer(game, laterLap, error);

    r.keysDrawn = false;
    r.frameBNext = true;
    const bool opening = game.window.timer(window::names::Timer4).enabled;
    if (!opening) {
        mhyouji(game);
        loadInto(game, window::names::Image1, "center.bmp", error);
        for (const std::string_view background : window::names::kBackgrounds)
            showBackground(game, background);
        // Every field a full-window picture hid comes back, the monster panel's too.
        for (const std::string_view shown :
             {window::names::Image19, window::names::Image20, window::names::Memo1,
              window::names::Memo2, window::names::Memo3, window::names::Memo4,
              window::names::Memo5, window::names::Memo6, window::names::Memo7,
              window::names::Memo8, window::names::Memo9, window::names::Memo10,
              window::names::Memo11})
            w.control(shown).visible = true;
    }
    w.control(window::names::Edit8).visible = true;
    sizeBuffers(r);
    if (!opening) {
        clearMonsterPanel(game);
        keydisplay(game);
        itemdisp(game);
        enableItemIcons(game);
        disp(game);
    }
    r.heroPixelX = game.status[world::Slot::HeroX] * kCellSide;
    r.heroPixelY = game.status[world::Slot::HeroY] * kCellSide;
    if (!opening)
        yusyahyouji1(game);
    return error;
}

} // namespace render
