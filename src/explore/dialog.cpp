#include "explore/dialog.h"

#include "explore/explore_routines.h"
#include "render/controls.h"
#include "render/panel.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/catalogue.h"

#include <algorithm>
#include <array>
#include <string>

namespace explore {

using namespace script;
namespace {

using namespace world;

constexpr int kDeathTrack = 14;
constexpr int kGameOverDialog = 93; // "You have lost your vital power. Please challenge again!"
constexpr int kLastSeenDialog = 57; // dialogs 1..57 leave a seen-flag in Status[90 + n]
constexpr int kZenoWelcome = 10;    // its "OK" starts the capture scene

// Scripted dialogs whose text goes on with a second catalogue line.
struct SecondLine {
    int dialog;
    int line;
};
constexpr std::array<SecondLine, 3> kSecondLines = {{{5, 57}, {17, 58}, {55, 59}}};

// Scripted dialogs that show the text the fairy composed into the box.
constexpr std::array<int, 5> kFairyDialogs = {16, 22, 24, 40, 47};

bool contains(const auto& table, int n) {
    return std::find(table.begin(), table.end(), n) != table.end();
}

// The text of scripted dialog n: catalogue line n - 1, for a few dialogs with a second line.
std::string scriptedText(int n) {
    std::string text(catalogueLine(n - 1));
    for (const auto& extra : kSecondLines) {
        if (extra.dialog == n)
            text += "\n" + std::string(catalogueLine(extra.line));
    }
    return text;
}

// The game-over script: the death music, pauses, the message box, then a new first game.
void pushGameOverScript(game::Game& game) {
    if (musicOn(game))
        game.status[Slot::MusicTrack] = kDeathTrack;
    Script script(game);
    if (script.musicIsOn())
        script.musicOn().pause(9);
    script.pause(4).add(Cmd::MessageBox, kGameOverDialog).pause(5).add(Cmd::NewGame).pause();
    script.play(game);
}

// Open the text box over the play field with scripted dialog n and its "OK".
void showScriptedDialog(game::Game& game, int n) {
    if (!contains(kFairyDialogs, n))
        render::setText(game, window::names::RichEdit1, scriptedText(n));
    render::showControl(game, window::names::RichEdit1);
    render::showControl(game, window::names::Button1);
    render::focusControl(game, window::names::Button1);
}

} // namespace

void zyouout(game::Game& game) {
    const std::int32_t kind = game.explore.dialogKind;
    if (kind == Dialog::GameOver)
        pushGameOverScript(game);
    else if (kind >= Dialog::ScriptedBase)
        showScriptedDialog(game, kind - Dialog::ScriptedBase);
    else if (kind == Dialog::Talk)
        kExploreRoutines.talk(game);
}

void Button1Click(game::Game& game) {
    const std::int32_t kind = game.explore.dialogKind;
    Status& s = game.status;
    if (kind > Dialog::ScriptedBase && kind <= Dialog::ScriptedBase + kLastSeenDialog)
        s[Slot::DialogueSeenBase + kind - Dialog::ScriptedBase] = 1;
    if (kind == Dialog::Talk) {
        if (s[Slot::OrbOfHero] == 2)
            s[Slot::OrbOfHero] = 1;
        itemlive(game);
        if (!game.options.keyboard())
            render::buttonfocus(game, game.explore.repeatAction);
    } else if (kind == Dialog::Record) {
        render::enableControl(game, window::names::Button35);
        render::focusControl(game, window::names::Button35);
    } else if (kind == Dialog::ScriptedBase + kZenoWelcome) {
        kExploreRoutines.zenoWelcomeOk(game);
    } else if (kind >= Dialog::ScriptedBase) {
        // The script that opened the dialog plays on.
        if (!kExploreRoutines.fairyDialogOk(game, kind - Dialog::ScriptedBase))
            render::setTimerRunning(game, window::names::Timer2, true);
    }
    render::showControl(game, window::names::Button1, false);
    render::closeBox(game);
    render::disp(game);
}

} // namespace explore
