#include "characters/dialogs.h"

#include "characters/altar.h"
#include "characters/merchants.h"
#include "render/controls.h"
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

constexpr int kFirstAdviceLine = 62; // AdviceIndex 0

constexpr std::string_view kBox = window::names::RichEdit1;
constexpr std::string_view kOk = window::names::Button1;
constexpr std::string_view kYes = window::names::Button2;
constexpr std::string_view kNo = window::names::Button7;

} // namespace

std::string lineText(int n) {
    return std::string(world::catalogueLine(n));
}

void endTalk(game::Game& game) {
    script::itemlive(game);
    if (!game.options.keyboard())
        render::buttonfocus(game, game.explore.repeatAction);
    render::closeBox(game);
    render::disp(game);
}

void showOk(game::Game& game, std::string text) {
    render::openBox(game, std::move(text));
    render::showControl(game, kOk);
    render::focusControl(game, kOk);
}

void zyouout(game::Game& game) {
    showOk(game, lineText(kFirstAdviceLine + game.talk.adviceIndex));
}

void Button2Click(game::Game& game) {
    if (!render::clickable(game, kYes))
        return;
    render::showControl(game, kYes, false);
    render::showControl(game, kNo, false);
    render::enableControl(game, kNo);
    render::setText(game, kBox, {});
    render::showControl(game, kBox, game.talk.altarPending);
    render::disp(game);
    if (game.talk.altarPending)
        altarRequest(game);
    else
        merchantSale(game);
}

void Button7Click(game::Game& game) {
    if (!render::clickable(game, kNo))
        return;
    render::showControl(game, kYes, false);
    render::showControl(game, kNo, false);
    endTalk(game);
}

} // namespace characters
