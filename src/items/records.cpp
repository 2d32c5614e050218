#include "items/records.h"

#include "characters/dialogs.h"
#include "items/items.h"
#include "render/controls.h"
#include "script/input_lock.h"
#include "state/explore_state.h"
#include "state/game.h"
#include "window/main_window.h"
#include "window/names.h"

#include <array>
#include <string>

namespace items {
namespace {

using namespace world;

// The advice flag behind each record button (button n reads flag kAdviceFlags[n - 1]): the
// old men's flags are 66..83, the merchants' 54..65.
constexpr std::array<int, kAdviceRecords> kAdviceFlags = {
    68, 69, 55, 56, 57, 59, 70, 72, 73, 74, 75, 61, 76, 77, 78, 62, 79, 63, 80, 81, 64, 82, 65, 83};

constexpr std::int32_t kHeardWithOrb = 2; // the advice was told while the orb was held
constexpr int kFirstAdviceLine = 62;      // AdviceIndex i shows catalogue line 62 + i

// The button of advice n (1..24).
std::string_view recordButton(int n) {
    return window::names::kRecordButtons[static_cast<std::size_t>(n - 1)];
}

void showRecordButtons(game::Game& game, bool visible) {
    for (int n = 1; n <= kAdviceRecords; ++n)
        render::showControl(game, recordButton(n), visible);
    render::showControl(game, window::names::Button35, visible);
}

} // namespace

void img5work(game::Game& game) {
    if (game.status[Slot::OrbOfWisdom] != 1)
        return;
    game.explore.dialogKind = explore::Dialog::Record;
    script::itemdel(game);
    for (int n = 1; n <= kAdviceRecords; ++n) {
        render::setText(game, recordButton(n), std::to_string(n));
        render::enableControl(game, recordButton(n),
                              game.status[kAdviceFlags[static_cast<std::size_t>(n - 1)]] ==
                                  kHeardWithOrb);
    }
    showRecordButtons(game, true);
    render::enableControl(game, window::names::Button35);
    render::focusControl(game, window::names::Button35);
}

void recordClicked(game::Game& game, int n) {
    if (n < 1 || n > kAdviceRecords || !render::clickable(game, recordButton(n)))
        return;
    game.talk.adviceIndex = n - 1;
    game.status[Slot::RecordViewing] = 1;
    render::openBox(game, characters::lineText(kFirstAdviceLine + game.talk.adviceIndex));
}

void Button35Click(game::Game& game) {
    if (!render::clickable(game, window::names::Button35))
        return;
    render::closeBox(game);
    game.explore.dialogKind = explore::Dialog::Talk;
    game.status[Slot::RecordViewing] = 0;
    showRecordButtons(game, false);
    script::itemlive(game);
}

} // namespace items
