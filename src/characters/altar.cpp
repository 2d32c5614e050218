#include "characters/altar.h"

#include "characters/dialogs.h"
#include "render/controls.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/explore_state.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>
#include <array>
#include <string>

namespace characters {
namespace {

using namespace world;
namespace Cmd = script::Cmd;

constexpr int kOfferLine = 202;   // "If you offer an alter"
constexpr int kOfferTail = 203;   // "Golds, I will grant your request. Will you?"
constexpr int kRequestLine = 204; // "What request do you want to go be granted?"
constexpr int kRefusal = 210;     // "After all, I won't do it."
constexpr int kShortOfGold = 211; // "You are short of money!"
constexpr int kPointsUp = 166;    // " points up!"

// The choice buttons stand in a column inside the box, below its question.

enum class Request { Life, Offense, Defense };

// One choice button: its caption around the gain, and the message line after the request.
struct Choice {
    std::string_view button;
    int caption;
    int captionTail;
    int message;
    int slot;
};

constexpr std::array<Choice, 3> kChoices = {{
    {window::names::Button39, 205, 206, 181, Slot::Life},
    {window::names::Button40, 207, 208, 182, Slot::Offense},
    {window::names::Button41, 209, 208, 183, Slot::Defense},
}};
constexpr std::string_view kNever = window::names::Button42;

// ShopPrice: (n * n + n + 2) * 10 gold after n requests: 20, 40, 80, 140, 220 ...
std::int64_t altarPrice(const Status& s) {
    const std::int64_t n = s[Slot::AltarOfferings];
    return std::int64_t{capped(n * n + n + 2)} * 10;
}

// The gain of a request: hit points by the requests so far, offense and defense by the floor's
// tens, all times the lap factor.
std::int64_t gain(const Status& s, Request r) {
    const std::int64_t lap = s.lapFactor();
    const std::int64_t tens = (std::int64_t{s[Slot::Floor]} + 10) / 10;
    switch (r) {
    case Request::Life:
        return capped(lap * capped((std::int64_t{s[Slot::AltarOfferings]} + 1) * 100));
    case Request::Offense:
        return capped(lap * tens * 2);
    case Request::Defense:
        return capped(lap * tens * 4);
    }
    return 0;
}

const Choice& choiceOf(Request r) {
    return kChoices[static_cast<std::size_t>(r)];
}

void hideChoices(game::Game& game) {
    for (const Choice& c : kChoices)
        render::showControl(game, c.button, false);
    render::showControl(game, kNever, false);
}

// A request: paid and granted, or refused for want of gold.
void grant(game::Game& game, Request r) {
    if (!render::clickable(game, choiceOf(r).button))
        return;
    hideChoices(game);
    render::closeBox(game);
    Status& s = game.status;
    if (s[Slot::Gold] < game.talk.shopPrice) {
        showOk(game, lineText(kShortOfGold));
        game.explore.dialogKind = explore::Dialog::Talk;
        return;
    }
    const Choice& choice = choiceOf(r);
    const std::int64_t amount = gain(s, r);
    game.composeMessage(lineText(choice.message) + " " + std::to_string(amount) +
                        lineText(kPointsUp));
    raiseSlot(s[Slot::AltarOfferings], 1);
    s[Slot::Gold] -= static_cast<std::int32_t>(game.talk.shopPrice);
    raiseSlot(s[choice.slot], amount);
    script::Script(game)
        .sound(script::Effect::Get)
        .pause()
        .message(game::kComposedMessage)
        .pause()
        .play(game);
    game.explore.dialogPending = false;
}

} // namespace

void altarOffer(game::Game& game) {
    game.talk.altarPending = true;
    script::itemdel(game);
    game.talk.shopPrice = altarPrice(game.status);
    render::openBox(game, lineText(kOfferLine) + " " + std::to_string(game.talk.shopPrice) + " " +
                              lineText(kOfferTail));
    render::showControl(game, window::names::Button2);
    render::showControl(game, window::names::Button7);
    game.explore.dialogKind = explore::Dialog::Altar;
    render::focusControl(game, window::names::Button2);
}

void altarRequest(game::Game& game) {
    render::setText(game, window::names::RichEdit1, lineText(kRequestLine));
    const Status& s = game.status;
    for (const Request r : {Request::Life, Request::Offense, Request::Defense}) {
        const Choice& c = choiceOf(r);
        render::showChoice(game, static_cast<int>(r), c.button,
                           lineText(c.caption) + " " + std::to_string(gain(s, r)) + " " +
                               lineText(c.captionTail));
    }
    render::showChoice(game, static_cast<int>(kChoices.size()), kNever, lineText(kRefusal));
    render::focusControl(game, kNever);
}

void Button39Click(game::Game& game) {
    grant(game, Request::Life);
}
void Button40Click(game::Game& game) {
    grant(game, Request::Offense);
}
void Button41Click(game::Game& game) {
    grant(game, Request::Defense);
}

void Button42Click(game::Game& game) {
    if (!render::clickable(game, kNever))
        return;
    hideChoices(game);
    endTalk(game);
}

} // namespace characters
