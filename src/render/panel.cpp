#include "render/panel.h"

#include "render/play_field.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/main_window.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/item_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace render {
namespace {

constexpr int kTowerLine = 212;       // "Tower"
constexpr int kFloorSuffixLine = 213; // " F"
constexpr int kMessageLineBase = 127;

constexpr int kSwordPictureBase = 49;  // sword of grade g: picture 49 + g
constexpr int kShieldPictureBase = 54; // shield of grade g: picture 54 + g
constexpr int kItemPictureBase = 35;   // item k: picture 35 + k
constexpr int kTopGrade = 5;
constexpr const char* kNoName = "      "; // grade 0: six spaces

constexpr std::array<std::string_view, kTopGrade> kGradeNames = {"Iron", "Silver", "Knight", "Holy",
                                                                 "Sacred"};

constexpr int kKeySide = 16;
constexpr int kKeyColumns = 6;
constexpr int kKeyPlaces = 24;
constexpr int kEmptyKeyIcon = 3;

// Equipment shown in the right panel: sword or shield.
struct Equipment {
    int gradeSlot;
    int pictureBase;
    PanelText PanelView::*name;
    PanelPicture PanelView::*picture;
    const char* noun; // completes the hint: "Iron Sword"
};
constexpr Equipment kSword{world::Slot::SwordGrade, kSwordPictureBase, &PanelView::swordName,
                           &PanelView::sword, " Sword"};
constexpr Equipment kShield{world::Slot::ShieldGrade, kShieldPictureBase, &PanelView::shieldName,
                            &PanelView::shield, " Shield"};

// A 32 x 32 panel icon: the panel background with picture n of imageList1 laid over it through
// mask n of imageList3, or the background alone when n is negative.
Picture panelIcon(game::Game& game, int n) {
    RenderState& r = game.render;
    if (!r.pictures)
        return {};
    r.tileBuffer = Picture(kCellSide, kCellSide);
    r.spriteBuffer = Picture(kCellSide, kCellSide);
    r.maskBuffer = Picture(kCellSide, kCellSide);
    drawListPicture(r.tileBuffer, 0, 0, r.imageList1, Pic::PanelBackground);
    if (n >= 0) {
        drawListPicture(r.spriteBuffer, 0, 0, r.imageList1, n);
        drawListPicture(r.maskBuffer, 0, 0, r.imageList3, n);
        kasanegaki(r.tileBuffer, r.spriteBuffer, r.maskBuffer);
    }
    return r.tileBuffer;
}

void showEquipment(game::Game& game, const Equipment& e) {
    const std::int32_t grade = game.status[e.gradeSlot];
    const bool shown = grade >= 1 && grade <= kTopGrade;
    PanelPicture& picture = game.render.panel.*e.picture;
    PanelText& name = game.render.panel.*e.name;
    picture.picture.set(panelIcon(game, shown ? e.pictureBase + grade : -1));
    if (shown) {
        const std::string_view grades = kGradeNames[static_cast<std::size_t>(grade - 1)];
        name.text.set(std::string(grades));
        picture.hint.set(std::string(grades) + e.noun);
    } else {
        name.text.set(kNoName);
        picture.hint.set({});
    }
    picture.showHint.set(shown);
}

} // namespace

std::string floorLabel(std::int32_t floor) {
    return std::string(world::catalogueLine(kTowerLine)) + (floor < 10 ? "  " : " ") +
           std::to_string(floor) + std::string(world::catalogueLine(kFloorSuffixLine));
}

void disp(game::Game& game) {
    PanelView& v = game.render.panel;
    v.floorLabel.text.set(floorLabel(game.status[world::Slot::Floor]));
    for (std::size_t n = 0; n < v.figures.size(); ++n)
        v.figures[n].text.set(std::to_string(game.status[static_cast<int>(n)]));
    v.message.text.set(
        game.messageSelector == game::kComposedMessage
            ? game.composedMessage
            : std::string(world::catalogueLine(game.messageSelector + kMessageLineBase)));
}

void showLife(game::Game& game) {
    game.render.panel.figures[0].text.set(std::to_string(game.status[world::Slot::Life]));
}

void itemdisp(game::Game& game) {
    showEquipment(game, kSword);
    showEquipment(game, kShield);
    for (int k = 0; k < world::kItemCount; ++k) {
        const world::Item& item = world::item(k);
        const bool held = game.status[item.slot] != 0;
        PanelPicture& icon = game.render.panel.items[static_cast<std::size_t>(k)];
        icon.picture.set(panelIcon(game, held ? kItemPictureBase + k : -1));
        if (held)
            icon.visible.set(true);
        icon.showHint.set(held);
    }
}

void showItemIcons(game::Game& game, bool shown) {
    for (PanelPicture& icon : game.render.panel.items)
        icon.visible.set(shown);
}

void hideEquipmentHints(game::Game& game) {
    game.render.panel.sword.showHint.set(false);
    game.render.panel.shield.showHint.set(false);
}

void keydisplay(game::Game& game) {
    const world::Status& s = game.status;
    PanelPicture& keys = game.render.panel.keys;
    // One icon per key in this order: red (icon 0), blue (icon 1), yellow (icon 2).
    const std::array<std::int32_t, 3> counts = {std::max(0, s[world::Slot::RedKeys]),
                                                std::max(0, s[world::Slot::BlueKeys]),
                                                std::max(0, s[world::Slot::YellowKeys])};
    if (static_cast<long long>(counts[0]) + counts[1] + counts[2] == 0) {
        keys.visible.set(false);
        return;
    }
    keys.visible.set(true);
    if (!game.render.pictures)
        return;
    Picture picture(kKeyColumns * kKeySide, kKeyPlaces / kKeyColumns * kKeySide);
    int place = 0;
    for (int icon = 0; icon < 3; ++icon)
        for (std::int32_t n = 0; n < counts[icon] && place < kKeyPlaces; ++n, ++place)
            drawListPicture(picture, place % kKeyColumns * kKeySide, place / kKeyColumns * kKeySide,
                            game.render.imageList2, icon);
    for (; place < kKeyPlaces; ++place)
        drawListPicture(picture, place % kKeyColumns * kKeySide, place / kKeyColumns * kKeySide,
                        game.render.imageList2, kEmptyKeyIcon);
    keys.picture.set(std::move(picture));
}

void buttonfocus(game::Game& game, std::int32_t repeatAction) {
    if (repeatAction < 1 || repeatAction > 4)
        return;
    const std::string_view name =
        window::names::kArrowButtons[static_cast<std::size_t>(repeatAction - 1)];
    if (game.window.main.control(name).visible)
        window::setFocus(game.window.main, name);
}

} // namespace render
