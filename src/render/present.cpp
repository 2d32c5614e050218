#include "render/present.h"

#include "state/game.h"
#include "window/names.h"
#include "world/item_table.h"

#include <cstddef>
#include <utility>

namespace render {
namespace {

static_assert(kPanelItems == static_cast<std::size_t>(world::kItemCount));

constexpr Pixel kCursorFrame = 0xffff00; // the yellow frame of the item cursor

template <typename T> void put(Shown<T>& shown, T& field) {
    if (shown.changed())
        field = shown.take();
}

void putText(PanelText& text, window::Control& c) {
    put(text.text, c.text);
    put(text.align, c.align);
}

void putPicture(PanelPicture& picture, window::Control& c) {
    put(picture.picture, c.picture);
    put(picture.visible, c.visible);
    put(picture.hint, c.hint);
    put(picture.showHint, c.showHint);
}

// The panel picture that stands for a control, or none.
const PanelPicture* panelPicture(const PanelView& v, std::string_view name) {
    for (std::size_t k = 0; k < kPanelItems; ++k)
        if (world::kItems[k].icon == name)
            return &v.items[k];
    if (name == window::names::Image19)
        return &v.sword;
    if (name == window::names::Image20)
        return &v.shield;
    if (name == window::names::Image32)
        return &v.keys;
    if (name == window::names::Image31)
        return &v.monster;
    return nullptr;
}

// The picture an item icon shows now, presented or not (the window's before the first
// itemdisp).
const Picture& iconPicture(const game::Game& game, std::string_view icon) {
    const PanelPicture* shown = panelPicture(game.render.panel, icon);
    if (shown && shown->picture.known())
        return shown->picture.get();
    return game.window.main.control(icon).picture;
}

} // namespace

void present(game::Game& game) {
    PanelView& v = game.render.panel;
    window::Window& w = game.window.main;
    putText(v.floorLabel, w.control(window::names::Memo11));
    for (std::size_t n = 0; n < v.figures.size(); ++n)
        putText(v.figures[n], w.control(window::names::kStatusFigures[n]));
    putText(v.message, w.control(window::names::Edit8));
    putText(v.swordName, w.control(window::names::Memo9));
    putText(v.shieldName, w.control(window::names::Memo10));
    putPicture(v.sword, w.control(window::names::Image19));
    putPicture(v.shield, w.control(window::names::Image20));
    for (std::size_t k = 0; k < kPanelItems; ++k)
        putPicture(v.items[k], w.control(world::kItems[k].icon));
    putPicture(v.keys, w.control(window::names::Image32));
    putPicture(v.monster, w.control(window::names::Image31));
    for (std::size_t n = 0; n < v.monsterFields.size(); ++n)
        putText(v.monsterFields[n], w.control(window::names::kMonsterFields[n]));
}

void showItemCursor(game::Game& game, std::string_view icon) {
    window::Window& w = game.window.main;
    const window::Control& under = w.control(icon);
    window::Control& cursor = w.control(window::names::ItemCursor);
    cursor.x = under.x;
    cursor.y = under.y;
    Picture framed(cursor.width, cursor.height, kCursorFrame);
    fillRect(framed, {2, 2, cursor.width - 4, cursor.height - 4}, kBlack);
    drawRect(framed, 2, 2, iconPicture(game, icon), {2, 2, under.width - 4, under.height - 4});
    cursor.picture = std::move(framed);
    cursor.visible = true;
}

} // namespace render
