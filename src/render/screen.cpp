#include "render/screen.h"

#include "render/panel.h"
#include "render/play_field.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/item_icons.h"
#include "world/items.h"

#include <string>

namespace render {
namespace {

constexpr int kLeftPanelWidth = 125;
constexpr int kRightPanelLeft = 515;

// The window controls hidden whenever play is set up: the dialogue box and every dialogue,
// floor-chooser, record and choice button, the arrow buttons, the monster list and the title.
std::vector<std::string> dialogueControls() {
    std::vector<std::string> names = {"RichEdit1", "Button1", "Button2",  "Button7",
                                      "Button8",   "Button9", "Button10", "Button35",
                                      "Button36",  "Panel1",  "Image23"};
    auto range = [&names](const char* stem, int first, int last) {
        for (int n = first; n <= last; ++n)
            names.push_back(stem + std::to_string(n));
    };
    range("Button", 11, 34);
    range("Button", 39, 42);
    range("BitBtn", 1, 4);
    range("Edit", 13, 33);
    range("Image", 24, 30);
    return names;
}

// Load a picture of the data/ folder into a control; the first failure is kept in `error`.
void loadInto(game::Game& game, const char* control, const std::string& file,
              std::optional<PictureError>& error) {
    if (!game.render.pictures)
        return;
    PictureResult loaded = readBmp(dataPath(game.folders.game, file));
    if (!loaded.ok() && !error)
        error = loaded.error;
    game.window.main.control(control).picture = std::move(loaded.picture);
}

// Make the play-field frames and the cell buffers their working size, keeping what a frame
// of the right size already holds.
void sizeBuffers(RenderState& r) {
    for (Picture* frame : {&r.frameA, &r.frameB})
        if (frame->width != kFieldSide || frame->height != kFieldSide)
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
        readBmp(dataPath(game.folders.game, laterLap ? "title05R.bmp" : "title05.bmp"));
    if (!title.ok() && !error)
        error = title.error;
    r.screenBuffer = Picture(kScreenWidth, kScreenHeight);
    draw(r.screenBuffer, 0, 0, w.control("Image2").picture);
    draw(r.screenBuffer, kLeftPanelWidth, 0, title.picture);
    draw(r.screenBuffer, kRightPanelLeft, 0, w.control("Image3").picture);
}

// The monster panel with no current monster.
void clearMonsterPanel(window::Window& w) {
    w.control("Image31").picture = Picture();
    for (const char* field : {"Memo5", "Memo6", "Memo7", "Memo8"})
        w.control(field).text.clear();
}

// Show all fifteen item icons and enable those of held items that a click can use.
void showItemIcons(game::Game& game) {
    for (const world::Item& item : world::kItems) {
        window::Control& icon = game.window.main.control(item.icon);
        icon.visible = true;
        if (item.clickable && world::usable(game.status, item))
            icon.enabled = true;
    }
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
    for (auto [control, file] : {std::pair{"Image1", "center.bmp"}, std::pair{"Image2", "left.bmp"},
                                 std::pair{"Image3", "right.bmp"}}) {
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
    for (const std::string& name : dialogueControls())
        w.control(name).visible = false;

    std::optional<PictureError> error;
    const bool laterLap = game.status[world::Slot::LapLevel] != 0;
    loadInto(game, "Image2", laterLap ? "leftr.bmp" : "left.bmp", error);
    loadInto(game, "Image3", laterLap ? "rightr.bmp" : "right.bmp", error);
    if (r.pictures)
        composeScreenBuffer(game, laterLap, error);

    r.keysDrawn = false;
    r.frameBNext = true;
    const bool opening = game.window.timer("Timer4").enabled;
    if (!opening) {
        mhyouji(game);
        loadInto(game, "Image1", "center.bmp", error);
        for (const char* background : {"Image1", "Image2", "Image3"})
            showBackground(game, background);
        for (const char* shown : {"Image19", "Image20", "Memo1", "Memo2", "Memo3", "Memo4", "Memo9",
                                  "Memo10", "Memo11"})
            w.control(shown).visible = true;
    }
    w.control("Edit8").visible = true;
    sizeBuffers(r);
    if (!opening) {
        clearMonsterPanel(w);
        keydisplay(game);
        itemdisp(game);
        showItemIcons(game);
        disp(game);
    }
    r.heroPixelX = game.status[world::Slot::HeroX] * kCellSide;
    r.heroPixelY = game.status[world::Slot::HeroY] * kCellSide;
    if (!opening)
        yusyahyouji1(game);
    return error;
}

} // namespace render
