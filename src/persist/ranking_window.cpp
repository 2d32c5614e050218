#include "persist/ranking_window.h"

#include "io/files.h"
#include "io/ranking.h"
#include "io/saved_game.h"
#include "persist/saved_games.h"
#include "render/controls.h"
#include "render/ranking_view.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>
#include <string_view>

namespace persist {
namespace {

using namespace world::Slot;

constexpr std::string_view kRankingWindow = window::names::Ranking;
constexpr std::string_view kExitButton = window::names::ranking::Button6;

constexpr const char* kNameCaption = "Input your name";
constexpr const char* kNamePrompt = "Please input within 18 words";

RankingState& state(game::Game& game) {
    return game.persist.ranking;
}

// The game copy from save0.dat; the game in play when the copy cannot be read. Should another
// copy of the game have written save0.dat since this one did, the file holds that game, not
// this one: the bytes this copy wrote are taken instead.
void receiveCopy(game::Game& game) {
    RankingState& s = state(game);
    auto bytes = io::readBytes(io::slotPath(game.folders.save, io::kScratchSlot), io::kSaveBytes);
    const std::vector<std::uint8_t>& written = game.persist.scratchWritten;
    if (!written.empty() && bytes != written)
        bytes = written;
    const auto copy = bytes ? io::fromImage(*bytes) : std::nullopt;
    s.copyMap = copy ? copy->map : game.map;
    s.copy = copy ? copy->status : game.status;
}

// scoreload: read list n, or the temporary ranking after the message that says why.
void scoreload(game::Game& game, int list) {
    RankingState& s = state(game);
    const io::RankingRead read = io::readTable(game.folders.save, list);
    if (read.check != io::TableCheck::Good)
        game.platform().messageBox(io::checkMessage(read.check));
    s.list = list;
    s.table = read.table;
    s.names = io::readNames(game.folders.save, list);
    s.seenTable = s.table;
    s.seenNames = s.names;
    render::focusInWindow(game, kRankingWindow,
                          window::names::ranking::kListButtons[static_cast<std::size_t>(list - 1)]);
}

// scoresave: write list n with its sums (keeping what another copy of the game saved in it
// meanwhile), then hand the copy back through save0.dat with the valuation cleared.
void scoresave(game::Game& game, const std::optional<io::NewEntry>& entered) {
    RankingState& s = state(game);
    io::RankingList shown{s.table, s.names};
    if (const auto error =
            io::saveList(game.folders.save, s.list, {s.seenTable, s.seenNames}, shown, entered))
        game.platform().messageBox(*error);
    s.table = shown.table;
    s.names = shown.names;
    for (const int slot : {FairyValuation, FairyPlace, FairyList})
        s.copy[slot] = 0;
    if (const auto error = writeScratchCopy(game, s.copyMap, s.copy))
        game.platform().messageBox(*error);
}

// A name as one line of the names file.
std::string oneLine(std::string name) {
    std::replace_if(
        name.begin(), name.end(), [](char ch) { return ch == '\n' || ch == '\r'; }, ' ');
    return name;
}

// Ask for the hero's name and enter it at place p of the list on show (`entered` says what was
// entered). The place that is still pending afterwards: 0 when the player gave an empty name
// (nothing is saved then).
int registerPlace(game::Game& game, int place, std::optional<io::NewEntry>& entered) {
    RankingState& s = state(game);
    const auto name = game.platform().askText(kNameCaption, kNamePrompt, "");
    if (!name)
        return place; // cancelled: nothing is entered, the list is saved as it stands
    if (name->empty())
        return 0;
    const world::Status& c = s.copy;
    entered = io::NewEntry{oneLine(*name), {c[FairyValuation], c[Life], c[Offense], c[Defense]}};
    io::enterPlace(s.table, s.names, place, entered->name, entered->entry);
    return place;
}

} // namespace

void HighScore1Click(game::Game& game) {
    game.status[FairyPlace] = 0;
    game.status[FairyList] = 0;
    writeScratch(game);
    openRankingWindow(game);
}

void openRankingWindow(game::Game& game) {
    render::prepareRankingTable(game);
    receiveCopy(game);
    state(game).list = 0;
    render::showWindow(game, kRankingWindow, true);
    render::focusInWindow(game, kRankingWindow, kExitButton);
    const int list = state(game).copy[FairyList];
    if (list >= 1 && list <= io::kRankingLists)
        hyouji(game, list);
}

void hyouji(game::Game& game, int list) {
    scoreload(game, list);
    RankingState& s = state(game);
    // A place is registered only on the list that it was won on.
    const int won = s.copy[FairyList] == list ? s.copy[FairyPlace] : 0;
    std::optional<io::NewEntry> entered;
    const int place = won >= 1 && won <= io::kPlaces ? registerPlace(game, won, entered) : 0;
    render::showRankingList(game);
    if (place > 0) {
        scoresave(game, entered);
        render::showRankingList(game); // as saved, should another copy have added to it
    }
}

void rankingExit(game::Game& game) {
    render::setTimerRunning(game, window::names::Timer2, true);
    render::showWindow(game, kRankingWindow, false);
}

void fairyValuation(game::Game& game) {
    world::Status& s = game.status;
    const int list = io::listOfFloor(s[Floor]);
    if (list == 0)
        return;
    const std::int32_t points = io::checkpointPoints(s, list);
    s[FairyValuation] = points;
    s[FairyPlace] = 0;
    const io::RankingRead read = io::readTable(game.folders.save, list);
    if (read.check != io::TableCheck::Good)
        game.platform().messageBox(io::checkMessage(read.check));
    s[FairyPlace] = io::placeFor(read.table, points);
    s[FairyList] = list;
    writeScratch(game);
}

} // namespace persist
