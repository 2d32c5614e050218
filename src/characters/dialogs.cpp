#include "characters/dialogs.h"

#include "characters/altar.h"
#include "characters/merchants.h"
#include "render/panel.h"
#include "script/input_lock.h"
#include "state/explore_state.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/main_window.h"
#include "window/names.h"
#include "world/catalogue.h"

#include <algorithm>

namespace characters {
namespace {

// The text box over the play field and its buttons at the lower right corner.
constexpr int kBoxLeft = 129;
constexpr int kBoxTop = 45;
constexpr int kBoxWidth = 382;
constexpr int kBoxHeight = 200;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 16;

constexpr int kFirstAdviceLine = 62; // AdviceIndex 0

constexpr std::string_view kBox = window::names::RichEdit1;
constexpr std::string_view kOk = window::names::Button1;
constexpr std::string_view kYes = window::names::Button2;
constexpr std::string_view kNo = window::names::Button7;

void place(window::Control& c, int x, int y, int width, int height) {
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
}

} // namespace

std::string lineText(int n) {
    return std::string(world::catalogueLine(n));
}

void openBox(game::Game& game, std::string text) {
    window::Window& w = game.window.main;
    window::Control& box = w.control(kBox);
    place(box, kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight);
    box.fontSize = game.options.fonts.dialog;
    box.text = std::move(text);
    box.visible = true;
    const int right = kBoxLeft + kBoxWidth - kButtonWidth - kMargin;
    const int top = kBoxTop + kBoxHeight - kButtonHeight - kMargin;
    place(w.control(kOk), right, top, kButtonWidth, kButtonHeight);
    place(w.control(kNo), right, top, kButtonWidth, kButtonHeight);
    place(w.control(kYes), right - kMargin - kButtonWidth, top, kButtonWidth, kButtonHeight);
}

void showButton(game::Game& game, std::string_view name) {
    game.window.main.control(name).visible = true;
}

bool answerable(const game::Game& game, std::string_view name) {
    const window::Control& c = game.window.main.control(name);
    return c.visible && c.enabled;
}

void focus(game::Game& game, std::string_view name) {
    window::setFocus(game.window.main, name);
}

void closeBox(game::Game& game) {
    window::Control& box = game.window.main.control(kBox);
    box.text.clear();
    box.visible = false;
}

void endTalk(game::Game& game) {
    script::itemlive(game);
    if (!game.options.keyboard())
        render::buttonfocus(game, game.explore.repeatAction);
    closeBox(game);
    render::disp(game);
}

void showOk(game::Game& game, std::string text) {
    openBox(game, std::move(text));
    showButton(game, kOk);
    focus(game, kOk);
}

void zyouout(game::Game& game) {
    showOk(game, lineText(kFirstAdviceLine + game.talk.adviceIndex));
}

void Button2Click(game::Game& game) {
    if (!answerable(game, kYes))
        return;
    window::Window& w = game.window.main;
    w.control(kYes).visible = false;
    w.control(kNo).visible = false;
    w.control(kNo).enabled = true;
    window::Control& box = w.control(kBox);
    box.text.clear();
    box.visible = game.talk.altarPending;
    render::disp(game);
    if (game.talk.altarPending)
        altarRequest(game);
    else
        merchantSale(game);
}

void Button7Click(game::Game& game) {
    if (!answerable(game, kNo))
        return;
    window::Window& w = game.window.main;
    w.control(kYes).visible = false;
    w.control(kNo).visible = false;
    endTalk(game);
}

} // namespace characters
