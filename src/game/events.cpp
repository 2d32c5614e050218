#include "game/events.h"

#include "characters/altar.h"
#include "characters/dialogs.h"
#include "explore/dialog.h"
#include "explore/movement.h"
#include "game/about_box.h"
#include "game/startup.h"
#include "items/items.h"
#include "items/monster_list.h"
#include "items/records.h"
#include "items/travel.h"
#include "persist/data_folder.h"
#include "persist/options.h"
#include "persist/ranking_window.h"
#include "persist/saved_games.h"
#include "render/play_field.h"
#include "render/present.h"
#include "scenes/ending.h"
#include "scenes/opening.h"
#include "script/executor.h"
#include "sound/music.h"
#include "state/game.h"
#include "window/names.h"

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
    {window::names::about::ClickOKButton, aboutClose},
    {window::names::about::ClickProgramIcon, aboutVillainClick},
    {window::names::about::ClickImage2, aboutVillainClick},
    {window::names::about::ClickImage1, aboutThiefClick},
    {window::names::BitBtn1, explore::BitBtn1Click},
    {window::names::BitBtn2, explore::BitBtn2Click},
    {window::names::BitBtn3, explore::BitBtn3Click},
    {window::names::BitBtn4, explore::BitBtn4Click},
    {window::names::Button1, explore::Button1Click},
    {window::names::Button2, characters::Button2Click},
    {window::names::Button7, characters::Button7Click},
    {window::names::Button39, characters::Button39Click},
    {window::names::Button40, characters::Button40Click},
    {window::names::Button41, characters::Button41Click},
    {window::names::Button42, characters::Button42Click},
    {window::names::Image4, items::ImageClick<4>},
    {window::names::Image5, items::ImageClick<5>},
    {window::names::Image6, items::ImageClick<6>},
    {window::names::Image8, items::ImageClick<8>},
    {window::names::Image9, items::ImageClick<9>},
    {window::names::Image10, items::ImageClick<10>},
    {window::names::Image11, items::ImageClick<11>},
    {window::names::Image12, items::ImageClick<12>},
    {window::names::Image13, items::ImageClick<13>},
    {window::names::Image15, items::ImageClick<15>},
    {window::names::Image16, items::ImageClick<16>},
    {window::names::Image17, items::ImageClick<17>},
    {window::names::Button8, items::Button8Click},
    {window::names::Button9, items::Button9Click},
    {window::names::Button10, items::Button10Click},
    {window::names::Button11, items::RecordButtonClick<1>},
    {window::names::Button12, items::RecordButtonClick<2>},
    {window::names::Button13, items::RecordButtonClick<3>},
    {window::names::Button14, items::RecordButtonClick<4>},
    {window::names::Button15, items::RecordButtonClick<5>},
    {window::names::Button16, items::RecordButtonClick<6>},
    {window::names::Button17, items::RecordButtonClick<7>},
    {window::names::Button18, items::RecordButtonClick<8>},
    {window::names::Button19, items::RecordButtonClick<9>},
    {window::names::Button20, items::RecordButtonClick<10>},
    {window::names::Button21, items::RecordButtonClick<11>},
    {window::names::Button22, items::RecordButtonClick<12>},
    {window::names::Button23, items::RecordButtonClick<13>},
    {window::names::Button24, items::RecordButtonClick<14>},
    {window::names::Button25, items::RecordButtonClick<15>},
    {window::names::Button26, items::RecordButtonClick<16>},
    {window::names::Button27, items::RecordButtonClick<17>},
    {window::names::Button28, items::RecordButtonClick<18>},
    {window::names::Button29, items::RecordButtonClick<19>},
    {window::names::Button30, items::RecordButtonClick<20>},
    {window::names::Button31, items::RecordButtonClick<21>},
    {window::names::Button32, items::RecordButtonClick<22>},
    {window::names::Button33, items::RecordButtonClick<23>},
    {window::names::Button34, items::RecordButtonClick<24>},
    {window::names::Button35, items::Button35Click},
    {window::names::Button36, items::Button36Click},
    {window::names::Button37, items::Button37Click},
    {window::names::Button38, items::Button38Click},
    {window::names::ranking::ClickButton1, persist::rankingButtonClick<1>},
    {window::names::ranking::ClickButton2, persist::rankingButtonClick<2>},
    {window::names::ranking::ClickButton3, persist::rankingButtonClick<3>},
    {window::names::ranking::ClickButton4, persist::rankingButtonClick<4>},
    {window::names::ranking::ClickButton5, persist::rankingButtonClick<5>},
    {window::names::ranking::ClickButton6, persist::rankingExit},
    {window::names::datafolder::ClickButton1, persist::dataFolderOkClick},
    {window::names::datafolder::ClickButton2, persist::dataFolderCancel},
    {window::names::datafolder::ClickButton3, persist::makeDirectoryClick},
    {window::names::ending::ClickImage4, scenes::image5click},
};
constexpr Binding kPresses[] = {
    {window::names::BitBtn1, explore::arrowButtonDown<world::Direction::Up>},
    {window::names::BitBtn2, explore::arrowButtonDown<world::Direction::Left>},
    {window::names::BitBtn3, explore::arrowButtonDown<world::Direction::Right>},
    {window::names::BitBtn4, explore::arrowButtonDown<world::Direction::Down>},
    {window::names::Button8, explore::button8onmousedown},
    {window::names::Button9, explore::button9onmousedown},
};
constexpr Binding kReleases[] = {
    {window::names::BitBtn1, explore::arrowButtonUp},
    {window::names::BitBtn2, explore::arrowButtonUp},
    {window::names::BitBtn3, explore::arrowButtonUp},
    {window::names::BitBtn4, explore::arrowButtonUp},
    {window::names::Button8, explore::button8onmouseup},
    {window::names::Button9, explore::button9onmouseup},
};
constexpr Binding kMenus[] = {
    {window::Menu::GameStart, GameStart1Click},
    {window::Menu::GameQuit, GameQuit1Click},
    {window::Menu::Exit, Exit1Click},
    {window::Menu::Ranking, persist::HighScore1Click},
    {window::Menu::kLoadSlots[0], persist::LoadClick<1>},
    {window::Menu::kLoadSlots[1], persist::LoadClick<2>},
    {window::Menu::kLoadSlots[2], persist::LoadClick<3>},
    {window::Menu::kLoadSlots[3], persist::LoadClick<4>},
    {window::Menu::kLoadSlots[4], persist::LoadClick<5>},
    {window::Menu::kLoadSlots[5], persist::LoadClick<6>},
    {window::Menu::kLoadSlots[6], persist::LoadClick<7>},
    {window::Menu::kLoadSlots[7], persist::LoadClick<8>},
    {window::Menu::kSaveSlots[0], persist::SaveClick<1>},
    {window::Menu::kSaveSlots[1], persist::SaveClick<2>},
    {window::Menu::kSaveSlots[2], persist::SaveClick<3>},
    {window::Menu::kSaveSlots[3], persist::SaveClick<4>},
    {window::Menu::kSaveSlots[4], persist::SaveClick<5>},
    {window::Menu::kSaveSlots[5], persist::SaveClick<6>},
    {window::Menu::kSaveSlots[6], persist::SaveClick<7>},
    {window::Menu::kSaveSlots[7], persist::SaveClick<8>},
    {window::Menu::MouseControl, persist::MouseControl1Click},
    {window::Menu::KeyboardControl, persist::KeyboardControl1Click},
    {window::Menu::SpeedHigh, persist::speedClick<Speed::High>},
    {window::Menu::SpeedMiddle, persist::speedClick<Speed::Middle>},
    {window::Menu::SpeedLow, persist::speedClick<Speed::Low>},
    {window::Menu::Prologue, persist::K5Click},
    {window::Menu::WavSound, persist::wavon1Click},
    {window::Menu::Music, persist::BGMON1Click},
    {window::Menu::FontBig, persist::Large1Click},
    {window::Menu::FontNormal, persist::Normal1Click},
    {window::Menu::FontSmall, persist::Small1Click},
    {window::Menu::FontTiny, persist::tiny1Click},
    {window::Menu::ChangeDataSpot, persist::K6Click},
    {window::Menu::SaveOption, persist::OptionSave1Click},
    {window::Menu::InitializeOption, persist::NormalOption1Click},
    {window::Menu::HelpLibrary, Help2Click},
    {window::Menu::AboutGravenhold, About1Click},
};
constexpr Binding kTimers[] = {
    {window::names::Timer1, render::Timer1Timer},
    {window::names::Timer2, script::timer2timer},
    {window::names::Timer3, explore::timer3ontimer},
    {window::names::about::Timer1, aboutTimer1Timer},
    {window::names::Timer4, scenes::timer4ontimer},             // the prologue
    {window::names::ending::Timer1, scenes::endingTimer1Timer}, // the ending slideshow
};
// The desktop's close command on a window ("" or "Main" for the main window).
constexpr Binding kCloses[] = {
    {window::names::Main, KRN10close},
    {window::names::About, aboutClose},
    {window::names::Ranking, persist::rankingExit},
    {window::names::DataFolder, persist::dataFolderCancel},
};
// The bindings of list boxes to the handlers of a chosen row.
struct RowBinding {
    std::string_view name;
    void (*handler)(Game&, int);
};
constexpr RowBinding kChoices[] = {
    {window::names::datafolder::ChooseDriveComboBox1, persist::DriveComboBox1Change},
    {window::names::datafolder::ChooseDirectoryListBox1, persist::DirectoryListBox1Change},
};

bool dispatch(std::span<const Binding> bindings, Game& game, std::string_view name) {
    const auto it = std::find_if(bindings.begin(), bindings.end(),
                                 [&](const Binding& b) { return b.handler && b.name == name; });
    if (it == bindings.end())
        return false;
    it->handler(game);
    render::present(game);
    return true;
}

} // namespace

// Every door ends by presenting what the event changed, so that the window model is complete
// whenever the shell or the driver reads it.
void startUp(Game& game) {
    formactivate(game);
    render::present(game);
}

void keyDown(Game& game, Key key) {
    if (!scenes::formonkeydown(game, key))
        explore::formkeydown(game, key);
    render::present(game);
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
    render::present(game);
    return true;
}
void musicEnded(Game& game) {
    sound::mediaplayer5onnotify(game);
    render::present(game);
}
bool closeWindow(Game& game, std::string_view window) {
    return dispatch(kCloses, game, window.empty() ? window::names::Main : window);
}

} // namespace game
