#include "game/events.h"

#include "characters/altar.h"
#include "characters/dialogs.h"
#include "characters/items.h"
#include "characters/monster_list.h"
#include "characters/records.h"
#include "characters/travel.h"
#include "explore/dialog.h"
#include "explore/movement.h"
#include "game/about_box.h"
#include "game/startup.h"
#include "persist/data_folder.h"
#include "persist/options.h"
#include "persist/ranking_window.h"
#include "persist/saved_games.h"
#include "render/play_field.h"
#include "scenes/ending.h"
#include "scenes/opening.h"
#include "script/executor.h"
#include "sound/music.h"
#include "state/game.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace game {
namespace {

using Handler = void (*)(Game&);

struct Binding {
    std::string_view name;
    Handler handler;
};

// The bindings of names to handlers. Each module adds its handlers here, one line each.
constexpr Binding kClicks[] = {
    {"About.OKButton", aboutClose},
    {"About.ProgramIcon", aboutVillainClick},
    {"About.Image2", aboutVillainClick},
    {"About.Image1", aboutThiefClick},
    {"BitBtn1", explore::BitBtn1Click},
    {"BitBtn2", explore::BitBtn2Click},
    {"BitBtn3", explore::BitBtn3Click},
    {"BitBtn4", explore::BitBtn4Click},
    {"Button1", explore::Button1Click},
    {"Button2", characters::Button2Click},
    {"Button7", characters::Button7Click},
    {"Button39", characters::Button39Click},
    {"Button40", characters::Button40Click},
    {"Button41", characters::Button41Click},
    {"Button42", characters::Button42Click},
    {"Image4", characters::ImageClick<4>},
    {"Image5", characters::ImageClick<5>},
    {"Image6", characters::ImageClick<6>},
    {"Image8", characters::ImageClick<8>},
    {"Image9", characters::ImageClick<9>},
    {"Image10", characters::ImageClick<10>},
    {"Image11", characters::ImageClick<11>},
    {"Image12", characters::ImageClick<12>},
    {"Image13", characters::ImageClick<13>},
    {"Image15", characters::ImageClick<15>},
    {"Image16", characters::ImageClick<16>},
    {"Image17", characters::ImageClick<17>},
    {"Button8", characters::Button8Click},
    {"Button9", characters::Button9Click},
    {"Button10", characters::Button10Click},
    {"Button11", characters::RecordButtonClick<1>},
    {"Button12", characters::RecordButtonClick<2>},
    {"Button13", characters::RecordButtonClick<3>},
    {"Button14", characters::RecordButtonClick<4>},
    {"Button15", characters::RecordButtonClick<5>},
    {"Button16", characters::RecordButtonClick<6>},
    {"Button17", characters::RecordButtonClick<7>},
    {"Button18", characters::RecordButtonClick<8>},
    {"Button19", characters::RecordButtonClick<9>},
    {"Button20", characters::RecordButtonClick<10>},
    {"Button21", characters::RecordButtonClick<11>},
    {"Button22", characters::RecordButtonClick<12>},
    {"Button23", characters::RecordButtonClick<13>},
    {"Button24", characters::RecordButtonClick<14>},
    {"Button25", characters::RecordButtonClick<15>},
    {"Button26", characters::RecordButtonClick<16>},
    {"Button27", characters::RecordButtonClick<17>},
    {"Button28", characters::RecordButtonClick<18>},
    {"Button29", characters::RecordButtonClick<19>},
    {"Button30", characters::RecordButtonClick<20>},
    {"Button31", characters::RecordButtonClick<21>},
    {"Button32", characters::RecordButtonClick<22>},
    {"Button33", characters::RecordButtonClick<23>},
    {"Button34", characters::RecordButtonClick<24>},
    {"Button35", characters::Button35Click},
    {"Button36", characters::Button36Click},
    {"Button37", characters::Button37Click},
    {"Button38", characters::Button38Click},
    {"Ranking.Button1", persist::rankingButtonClick<1>},
    {"Ranking.Button2", persist::rankingButtonClick<2>},
    {"Ranking.Button3", persist::rankingButtonClick<3>},
    {"Ranking.Button4", persist::rankingButtonClick<4>},
    {"Ranking.Button5", persist::rankingButtonClick<5>},
    {"Ranking.Button6", persist::rankingExit},
    {"DataFolder.Button1", persist::dataFolderOkClick},
    {"DataFolder.Button2", persist::dataFolderCancel},
    {"DataFolder.Button3", persist::makeDirectoryClick},
    {"Ending.Image4", scenes::image5click},
};
constexpr Binding kPresses[] = {
    {"Button8", explore::button8onmousedown},
    {"Button9", explore::button9onmousedown},
};
constexpr Binding kReleases[] = {
    {"Button8", explore::button8onmouseup},
    {"Button9", explore::button9onmouseup},
};
constexpr Binding kMenus[] = {
    {"&Game/Game &Start", GameStart1Click},
    {"&Game/Game &Quit", GameQuit1Click},
    {"&Game/E&xit", Exit1Click},
    {"&Game/&Ranking", persist::HighScore1Click},
    {"&Game/&Load/Data &1", persist::LoadClick<1>},
    {"&Game/&Load/Data &2", persist::LoadClick<2>},
    {"&Game/&Load/Data &3", persist::LoadClick<3>},
    {"&Game/&Load/Data &4", persist::LoadClick<4>},
    {"&Game/&Load/Data &5", persist::LoadClick<5>},
    {"&Game/&Load/Data &6", persist::LoadClick<6>},
    {"&Game/&Load/Data &7", persist::LoadClick<7>},
    {"&Game/&Load/Data &8", persist::LoadClick<8>},
    {"&Game/&Save/Data &1", persist::SaveClick<1>},
    {"&Game/&Save/Data &2", persist::SaveClick<2>},
    {"&Game/&Save/Data &3", persist::SaveClick<3>},
    {"&Game/&Save/Data &4", persist::SaveClick<4>},
    {"&Game/&Save/Data &5", persist::SaveClick<5>},
    {"&Game/&Save/Data &6", persist::SaveClick<6>},
    {"&Game/&Save/Data &7", persist::SaveClick<7>},
    {"&Game/&Save/Data &8", persist::SaveClick<8>},
    {"&Options/&Mouse Control", persist::MouseControl1Click},
    {"&Options/&Keyboard Control", persist::KeyboardControl1Click},
    {"&Options/&Speed/&High", persist::speedClick<Speed::High>},
    {"&Options/&Speed/&Middle", persist::speedClick<Speed::Middle>},
    {"&Options/&Speed/&Low", persist::speedClick<Speed::Low>},
    {"&Options/&Prologue", persist::K5Click},
    {"&Options/&Wav Sound On", persist::wavon1Click},
    {"&Options/&BGM On", persist::BGMON1Click},
    {"&Options/&Font/&Big", persist::Large1Click},
    {"&Options/&Font/&Normal", persist::Normal1Click},
    {"&Options/&Font/&Small", persist::Small1Click},
    {"&Options/&Font/&Tiny", persist::tiny1Click},
    {"&Options/&Change Data Spot", persist::K6Click},
    {"&Options/Save &Option", persist::OptionSave1Click},
    {"&Options/&Initialize Option", persist::NormalOption1Click},
    {"&Help/Help Library", Help2Click},
    {"&Help/&About Gravenhold", About1Click},
};
constexpr Binding kTimers[] = {
    {"Timer1", render::Timer1Timer},
    {"Timer2", script::timer2timer},
    {"Timer3", explore::timer3ontimer},
    {"About.Timer1", aboutTimer1Timer},
    {"Timer4", scenes::timer4ontimer},            // the prologue
    {"Ending.Timer1", scenes::endingTimer1Timer}, // the ending slideshow
};
// The desktop's close command on a window ("" or "Main" for the main window).
constexpr Binding kCloses[] = {
    {"Main", KRN10close},
    {"About", aboutClose},
    {"Ranking", persist::rankingExit},
    {"DataFolder", persist::dataFolderCancel},
};
// The bindings of list boxes to the handlers of a chosen row.
struct RowBinding {
    std::string_view name;
    void (*handler)(Game&, int);
};
constexpr RowBinding kChoices[] = {
    {"DataFolder.DriveComboBox1", persist::DriveComboBox1Change},
    {"DataFolder.DirectoryListBox1", persist::DirectoryListBox1Change},
};

bool dispatch(std::span<const Binding> bindings, Game& game, std::string_view name) {
    const auto it = std::find_if(bindings.begin(), bindings.end(),
                                 [&](const Binding& b) { return b.handler && b.name == name; });
    if (it == bindings.end())
        return false;
    it->handler(game);
    return true;
}

} // namespace

void startUp(Game& game) {
    formactivate(game);
}

void keyDown(Game& game, Key key) {
    if (!scenes::formonkeydown(game, key))
        explore::formkeydown(game, key);
}

bool click(Game& game, std::string_view control) {
    return dispatch(kClicks, game, control);
}
bool press(Game& game, std::string_view control) {
    return dispatch(kPresses, game, control);
}
bool release(Game& game, std::string_view control) {
    return dispatch(kReleases, game, control);
}
bool menuCommand(Game& game, std::string_view path) {
    return dispatch(kMenus, game, path);
}
bool timerTick(Game& game, std::string_view timer) {
    return dispatch(kTimers, game, timer);
}
bool choose(Game& game, std::string_view control, int row) {
    const auto it = std::find_if(std::begin(kChoices), std::end(kChoices),
                                 [&](const RowBinding& b) { return b.name == control; });
    if (it == std::end(kChoices))
        return false;
    it->handler(game, row);
    return true;
}
void musicEnded(Game& game) {
    sound::mediaplayer5onnotify(game);
}
bool closeWindow(Game& game, std::string_view window) {
    return dispatch(kCloses, game, window.empty() ? "Main" : window);
}

} // namespace game
