#include "characters/fairy.h"

#include "characters/dialogs.h"
#include "persist/options.h"
#include "persist/ranking_window.h"
#include "render/controls.h"
#include "script/executor.h"
#include "script/script.h"
#include "state/game.h"
#include "window/names.h"
#include "world/tiles.h"

#include <algorithm>
#include <array>
#include <span>

namespace characters {
namespace {

using namespace world;
namespace Cmd = script::Cmd;

// The fairy's floors: her cell and the scripted dialog that shows her words.
struct FairyFloor {
    std::int32_t floor;
    int cell;
    int dialog;
};
constexpr std::array<FairyFloor, 5> kFairies = {{
    {10, 27, 16},
    {20, 49, 22},
    {25, 71, 24},
    {40, 60, 40},
    {49, 16, 47},
}};

constexpr int kFairyTrack = 12;

constexpr int kValued = 220;     // " Being valued from ... you have"
constexpr int kPoints = 221;     // "points."
constexpr int kYouWin = 244;     // "Congratulation! You win the"
constexpr int kPlaceWon = 245;   // "place with the points which you got. ..."
constexpr int kTitleIntro = 228; // " I give you the appelation of"
constexpr int kFullStop = 234;   // "."
constexpr int kPlayOn = 235;     // " You may as well play in this way ahead from here."
constexpr int kNiceFight = 236;  // " It was nice fight thus far."
constexpr std::int32_t kEarlyMeetings = 3;

// A judgement or a title for the points from `least` up.
struct Band {
    std::int32_t least;
    int line;
};
constexpr std::array<Band, 6> kJudgements = {{
    {0, 222},
    {50, 223},
    {60, 224},
    {80, 225},
    {100, 226},
    {141, 227},
}};
constexpr std::array<Band, 5> kTitles = {{
    {100, 229},
    {121, 230},
    {141, 231},
    {161, 232},
    {201, 233},
}};
constexpr std::int32_t kFirstTitled = 100;
constexpr std::int32_t kLastJudged = 9999;

// The line of the last band whose least points the points reach.
int bandLine(std::span<const Band> bands, std::int32_t points) {
    int found = bands.front().line;
    for (const Band& b : bands) {
        if (points >= b.least)
            found = b.line;
    }
    return found;
}

const FairyFloor* fairyOn(std::int32_t floor) {
    const auto it = std::find_if(kFairies.begin(), kFairies.end(),
                                 [&](const FairyFloor& f) { return f.floor == floor; });
    return it == kFairies.end() ? nullptr : &*it;
}

// Her scene: her words, the pick-up sound, and she is gone; then the floor's music again.
void pushFairyScene(game::Game& game, const FairyFloor& fairy) {
    script::Script script(game, {{Cmd::Pause, 0, 0},
                                 {Cmd::Pause, 0, 0},
                                 {Cmd::MessageBox, fairy.dialog, 0},
                                 {Cmd::Pause, 0, 0},
                                 {Cmd::Pause, 0, 0},
                                 {Cmd::Pause, 0, 0},
                                 {Cmd::Sound, script::Effect::Get, 0},
                                 {Cmd::Pause, 0, 0},
                                 {Cmd::SetTile, fairy.cell, Tile::Road}});
    if (script.musicIsOn())
        script.add(Cmd::MusicRestart);
    script.play(game);
}

} // namespace

std::string fairyText(std::int32_t points, std::int32_t place, std::int32_t meetings) {
    const std::string valued =
        lineText(kValued) + " " + std::to_string(points) + " " + lineText(kPoints);
    std::string words = place == 0 ? valued
                                   : lineText(kYouWin) + " " + std::to_string(place) + " " +
                                         lineText(kPlaceWon) + valued;
    if (points > kLastJudged)
        return words;
    words += lineText(bandLine(kJudgements, points));
    if (points >= kFirstTitled) {
        words += lineText(kTitleIntro) + lineText(bandLine(kTitles, points)) + lineText(kFullStop) +
                 lineText(meetings <= kEarlyMeetings ? kPlayOn : kNiceFight);
    }
    return words;
}

void yousei(game::Game& game) {
    Status& s = game.status;
    const FairyFloor* fairy = fairyOn(s[Slot::Floor]);
    if (fairy == nullptr)
        return;
    render::useDialogueFont(game, window::names::RichEdit1);
    script::changeMusic(game, kFairyTrack);
    raiseSlot(s[Slot::FairyMeetings], 1);
    persist::fairyValuation(game);
    render::setText(
        game, window::names::RichEdit1,
        fairyText(s[Slot::FairyValuation], s[Slot::FairyPlace], s[Slot::FairyMeetings]));
    pushFairyScene(game, *fairy);
}

bool rankingAfterFairy(game::Game& game, int dialog) {
    const bool fairyWords = std::any_of(kFairies.begin(), kFairies.end(),
                                        [&](const FairyFloor& f) { return f.dialog == dialog; });
    if (!fairyWords || game.status[Slot::LapLevel] != 0)
        return false;
    persist::openRankingWindow(game);
    return true;
}

} // namespace characters
