#include "characters/merchants.h"

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

namespace characters {
namespace {

using namespace world;

// What a sale does to one slot of the status block: adds to it, or sets an item as held.
struct Gain {
    int slot = Slot::Life;
    std::int32_t amount = 0;
    bool held = false;
};

// One merchant's offer: where he stands, what he asks and gives, what he says after the sale.
struct Offer {
    std::int32_t floor;
    std::int32_t heroX; // the hero's column when two merchants share a floor, -1 otherwise
    int text;           // catalogue line of the offer
    std::int32_t price; // gold
    int goods;          // the bought-flag slot (ShopGoods)
    bool repeatable;    // trades on every visit: never marked bought, nothing to tell
    int adviceFlag;     // the merchant's advice flag (unused when repeatable)
    int afterSale;      // AdviceIndex of the line on the first visit after the sale
    std::array<Gain, 2> gains;
};

constexpr int kFloor2Goods = 42;  // the prisoner's thanks: 1000 gold, no refusal
constexpr int kBuyBackGoods = 48; // the floor-28 merchant who buys keys
constexpr std::int32_t kBuyBackPrice = 100;
constexpr int kGiftFloor = 2;

constexpr int kNothingToTell = 28; // "I have nothing to tell you. Be careful."
constexpr int kUseItWell = 29;     // "Use it effectively, please."

constexpr int kShortOfGold = 258; // "You don't have enough money for them."
constexpr int kThanks = 259;      // "Thank you so often."
constexpr int kNoKeys = 262;      // "Have no keys!"

constexpr std::array<Offer, 12> kOffers = {{
    {2, -1, 246, 0, 42, false, 54, 29, {{{Slot::Gold, 1000}, {}}}},
    {6, -1, 247, 50, 43, false, 55, 2, {{{Slot::BlueKeys, 1}, {}}}},
    {7, -1, 248, 50, 44, false, 56, 3, {{{Slot::YellowKeys, 5}, {}}}},
    {12, 1, 249, 800, 45, false, 57, 4, {{{Slot::RedKeys, 1}, {}}}},
    {12, 9, 250, 1000, 46, true, 0, 0, {{{Slot::YellowKeys, 1}, {}}}},
    {15, -1, 251, 200, 47, false, 59, 5, {{{Slot::BlueKeys, 1}, {}}}},
    {28, -1, 252, 0, kBuyBackGoods, true, 0, 0, {}},
    {31, -1, 253, 1000, 49, false, 61, 11, {{{Slot::YellowKeys, 4}, {Slot::BlueKeys, 1}}}},
    {38, -1, 254, 200, 50, false, 62, 15, {{{Slot::YellowKeys, 3}, {}}}},
    {39, -1, 255, 2000, 51, false, 63, 17, {{{Slot::BlueKeys, 3}, {}}}},
    {45, -1, 256, 1000, 52, false, 64, 20, {{{Slot::Life, 2000}, {}}}},
    {47, -1, 257, 4000, 53, false, 65, 22, {{{Slot::SuperMattock, 1, true}, {}}}},
}};

const Offer* offerAt(const Status& s) {
    const auto it = std::find_if(kOffers.begin(), kOffers.end(), [&](const Offer& o) {
        return o.floor == s[Slot::Floor] && (o.heroX < 0 || o.heroX == s[Slot::HeroX]);
    });
    return it == kOffers.end() ? nullptr : &*it;
}

const Offer* offerOf(int goods) {
    const auto it = std::find_if(kOffers.begin(), kOffers.end(),
                                 [&](const Offer& o) { return o.goods == goods; });
    return it == kOffers.end() ? nullptr : &*it;
}

// The merchant's offer with "Yes" and "No" ("No" cannot be chosen for the prisoner's thanks).
void makeOffer(game::Game& game, const Offer& offer) {
    render::openBox(game, lineText(offer.text));
    render::showControl(game, window::names::Button2);
    render::showControl(game, window::names::Button7);
    render::enableControl(game, window::names::Button7, offer.goods != kFloor2Goods);
    render::focusControl(game, window::names::Button2);
}

// The sale is done: the merchant thanks the hero while the panels show what he got.
void thankHero(game::Game& game) {
    namespace Cmd = script::Cmd;
    showOk(game, lineText(kThanks));
    script::Script(game)
        .sound(script::Effect::Get)
        .pause()
        .add(Cmd::SidePanels)
        .message(0)
        .play(game);
}

// The floor-28 merchant buys one yellow key for 100 gold.
void buyBack(game::Game& game) {
    Status& s = game.status;
    if (s[Slot::YellowKeys] <= 0) {
        showOk(game, lineText(kNoKeys));
        return;
    }
    s[Slot::YellowKeys] -= 1;
    raiseSlot(s[Slot::Gold], kBuyBackPrice);
    thankHero(game);
}

} // namespace

void syounin(game::Game& game) {
    script::itemdel(game);
    game.talk.altarPending = false;
    game.explore.dialogKind = explore::Dialog::Talk;
    Status& s = game.status;
    const Offer* offer = offerAt(s);
    if (offer == nullptr) {
        script::itemlive(game);
        return;
    }
    game.talk.shopGoods = offer->goods;
    game.talk.shopPrice = offer->price;
    if (s[offer->goods] == 0) {
        makeOffer(game, *offer);
        return;
    }
    if (s[offer->adviceFlag] == 0) {
        s[offer->adviceFlag] = s[Slot::OrbOfWisdom] == 1 ? 2 : 1;
        game.talk.adviceIndex = offer->afterSale;
    } else {
        game.talk.adviceIndex = s[Slot::Floor] == kGiftFloor ? kUseItWell : kNothingToTell;
    }
    zyouout(game);
}

void merchantSale(game::Game& game) {
    Status& s = game.status;
    game.explore.dialogKind = explore::Dialog::Talk;
    const Offer* found = offerOf(game.talk.shopGoods);
    if (found == nullptr) {
        endTalk(game);
        return;
    }
    const Offer& offer = *found;
    if (offer.goods == kBuyBackGoods) {
        buyBack(game);
        return;
    }
    if (s[Slot::Gold] < game.talk.shopPrice) {
        showOk(game, lineText(kShortOfGold));
        return;
    }
    s[Slot::Gold] -= static_cast<std::int32_t>(game.talk.shopPrice);
    if (!offer.repeatable)
        s[offer.goods] = 1;
    for (const Gain& g : offer.gains) {
        if (g.held)
            s[g.slot] = g.amount;
        else if (g.amount != 0)
            raiseSlot(s[g.slot], g.amount);
    }
    thankHero(game);
}

} // namespace characters
