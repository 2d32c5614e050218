#include "window/main_window.h"
#include "window/names.h"
#include "world/item_table.h"

#include <gtest/gtest.h>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>

using namespace window;

namespace {

struct Place {
    const char* name;
    int x, y, width, height;
};

void expectPlace(Window& w, const Place& p) {
    const Control& c = w.control(p.name);
    EXPECT_EQ(c.x, p.x) << p.name;
    EXPECT_EQ(c.y, p.y) << p.name;
    EXPECT_EQ(c.width, p.width) << p.name;
    EXPECT_EQ(c.height, p.height) << p.name;
}

} // namespace

TEST(MainWindow, ControlsStandWhereTheLayoutPutsThem) {
    Window w = makeMainWindow();
    for (const Place& p : {Place{"Image2", 0, 0, 125, 400}, Place{"Image1", 125, 0, 390, 400},
                           Place{"Image3", 515, 0, 125, 400}, Place{"Edit8", 0, 400, 640, 26},
                           Place{"Memo11", 13, 45, 103, 24}, Place{"Memo4", 40, 150, 76, 20},
                           Place{"Image6", 16, 192, 32, 32}, Place{"Image4", 80, 192, 32, 32},
                           Place{"Image18", 80, 320, 32, 32}, Place{"Memo10", 524, 112, 68, 20},
                           Place{"Image20", 595, 96, 32, 32}, Place{"Image32", 528, 144, 96, 64},
                           Place{"Memo7", 557, 328, 70, 20}, Place{"BitBtn4", 560, 377, 32, 20},
                           Place{"Button2", 264, 272, 75, 25}, Place{"Button34", 96, 272, 16, 16},
                           Place{"Button42", 208, 176, 224, 32}, Place{"Edit26", 181, 340, 318, 20},
                           Place{"Edit33", 295, 320, 204, 20}})
        expectPlace(w, p);
    EXPECT_EQ(w.control("Image30").parent, "Panel1");
    EXPECT_EQ(w.control("Button11").hint, "Old Man of 4F");
    EXPECT_EQ(w.control("Button34").hint, "Old Man of 48F");
    EXPECT_TRUE(w.control("Button34").showHint);
    EXPECT_EQ(w.control("Image11").hint, "Treasured Article to Transfer Space");
    EXPECT_FALSE(w.control("Image11").showHint) << "item hints wait for the item";
    EXPECT_FALSE(w.control("RichEdit1").visible);
    EXPECT_EQ(w.screen.width(), 640);
    EXPECT_EQ(w.screen.height(), 400);
}

TEST(MainWindow, EveryControlNameIsUniqueInItsWindow) {
    WindowModel model = makeWindowModel();
    std::vector<Window*> windows = {&model.main};
    for (auto& [name, w] : model.secondary)
        windows.push_back(&w);
    EXPECT_EQ(windows.size(), 5u);
    for (Window* w : windows) {
        std::set<std::string> names;
        for (const Control& c : w->controls) {
            EXPECT_TRUE(names.insert(c.name).second) << w->name << " " << c.name;
            if (!c.parent.empty()) {
                EXPECT_NE(w->find(c.parent), nullptr) << c.name;
            }
        }
    }
}

TEST(MainWindow, MenuEntriesWithShortCutsSeparatorsAndStates) {
    Window w = makeMainWindow();
    EXPECT_EQ(w.menuItem("&Game").shortcut, "Ctrl+G");
    EXPECT_EQ(w.menuItem("&Game/Game &Start").shortcut, "F2");
    EXPECT_EQ(w.menuItem("&Game/Game &Quit").shortcut, "F9");
    EXPECT_EQ(w.menuItem("&Help/Help Library").shortcut, "F1");
    EXPECT_EQ(w.menuItem("E&xtras/U&ndo").shortcut, "Ctrl+Z");
    EXPECT_EQ(w.menuItem("E&xtras/R&edo").shortcut, "Ctrl+Y; Ctrl+Shift+Z");
    EXPECT_FALSE(w.menuItem("E&xtras/Allow &Undo").checked);
    EXPECT_FALSE(w.menuItem("&Game/&Save").enabled);
    EXPECT_TRUE(w.menuItem("&Game/&Load/Data &8").enabled);
    EXPECT_TRUE(w.menuItem("&Options/&Prologue").checked);
    EXPECT_EQ(w.menuItem("&Options/&Font/&Tiny").caption, "&Tiny");
    std::vector<std::string> separated;
    for (const MenuItem& m : w.menu)
        if (m.separatorAfter)
            separated.push_back(m.caption);
    EXPECT_EQ(separated,
              (std::vector<std::string>{"Game &Quit", "&Ranking", "&Save", "&Keyboard Control",
                                        "&Prologue", "&BGM On", "&Font", "&Change Data Spot",
                                        "&Initialize Option", "&Hint"}));
}

TEST(MainWindow, TimersStartAsDesigned) {
    WindowModel model = makeWindowModel();
    EXPECT_TRUE(model.timer("Timer1").enabled);
    EXPECT_EQ(model.timer("Timer1").intervalMs, 500);
    EXPECT_FALSE(model.timer("Timer2").enabled);
    EXPECT_EQ(model.timer("Timer3").intervalMs, 300);
    EXPECT_FALSE(model.timer("Timer4").enabled);
    EXPECT_EQ(model.timer("About.Timer1").intervalMs, 300);
    EXPECT_NE(model.findTimer("Ending.Timer1"), nullptr);
}

TEST(SecondaryWindows, CarryTheirControls) {
    WindowModel model = makeWindowModel();
    Window& about = *model.findWindow("About");
    EXPECT_EQ(about.caption, "About Gravenhold");
    EXPECT_FALSE(about.control("Image1").visible) << "the thief waits for a click";
    EXPECT_EQ(about.control("ProductName").fontSize, 19);
    Window& ranking = *model.findWindow("Ranking");
    EXPECT_EQ(ranking.control("Button5").text, "49 F");
    EXPECT_EQ(ranking.control("Edit55").text, "10") << "rank column of place 10";
    expectPlace(ranking, {"Edit60", 432, 321, 64, 25});
    EXPECT_EQ(model.findWindow("Ending")->control("Image4").parent, "Panel1");
    EXPECT_EQ(model.findWindow("DataFolder")->control("Button3").text, "Make Directory");
}

namespace {

// Every name of a family the game walks through stands for a control of its window: a typo in
// one would only show when the game first reached for it.
TEST(Names, EveryFamilyOfNamesIsInItsWindow) {
    const WindowModel model = makeWindowModel();
    namespace n = window::names;
    for (const std::string_view name : n::kPacedTimers)
        EXPECT_NE(model.findTimer(name), nullptr) << name;
    for (const auto& family : {std::span<const std::string_view>(n::kBackgrounds),
                               std::span<const std::string_view>(n::kStatusFigures),
                               std::span<const std::string_view>(n::kItemIconImages),
                               std::span<const std::string_view>(n::kMonsterFields),
                               std::span<const std::string_view>(n::kArrowButtons),
                               std::span<const std::string_view>(n::kListPictures),
                               std::span<const std::string_view>(n::kListNames),
                               std::span<const std::string_view>(n::kListStrengths),
                               std::span<const std::string_view>(n::kListForecasts),
                               std::span<const std::string_view>(n::kRecordButtons),
                               std::span<const std::string_view>(n::kChoiceButtons),
                               std::span<const std::string_view>(n::kMemos)})
        for (const std::string_view name : family)
            EXPECT_NE(model.main.find(name), nullptr) << name;
    for (const auto& family : {std::span<const std::string_view>(Menu::kLoadSlots),
                               std::span<const std::string_view>(Menu::kSaveSlots),
                               std::span<const std::string_view>(Menu::kFontEntries)})
        for (const std::string_view path : family)
            EXPECT_NE(model.main.findMenu(path), nullptr) << path;
    for (const std::string_view name : n::ranking::kListButtons)
        EXPECT_NE(model.findWindow(n::Ranking)->find(name), nullptr) << name;
}

// The item table, below the window, spells its icons' names itself: they are the item icons
// the window names.
TEST(Names, TheItemTablesIconsAreTheWindowsItemIcons) {
    std::set<std::string_view> icons;
    for (const world::Item& item : world::kItems)
        icons.insert(item.icon);
    EXPECT_EQ(icons, std::set<std::string_view>(names::kItemIconImages.begin(),
                                                names::kItemIconImages.end()));
}

// The names the entry points take for a secondary window's controls ("About.OKButton") name
// a control of that window, and its timers are the model's.
TEST(Names, WindowAndControlNamesOfTheSecondaryWindowsMeetInTheModel) {
    const WindowModel model = makeWindowModel();
    namespace n = window::names;
    for (const std::string_view qualified :
         {n::about::ClickOKButton, n::about::ClickProgramIcon, n::about::ClickImage2,
          n::about::ClickImage1, n::ranking::ClickButton1, n::ranking::ClickButton6,
          n::ending::ClickImage4, n::datafolder::ClickButton1, n::datafolder::ClickButton3,
          n::datafolder::ChooseDriveComboBox1, n::datafolder::ChooseDirectoryListBox1}) {
        const std::size_t dot = qualified.find('.');
        ASSERT_NE(dot, std::string_view::npos) << qualified;
        const Window* w = model.findWindow(qualified.substr(0, dot));
        ASSERT_NE(w, nullptr) << qualified;
        EXPECT_NE(w->find(qualified.substr(dot + 1)), nullptr) << qualified;
    }
    EXPECT_NE(model.findTimer(n::about::Timer1), nullptr);
    EXPECT_NE(model.findTimer(n::ending::Timer1), nullptr);
}

// A read-only look-up finds the very entry the writable one does, and an unknown name is an
// error that names it.
TEST(Names, ConstLookUpsFindTheSameEntriesAndRefuseUnknownNames) {
    WindowModel model = makeWindowModel();
    const WindowModel& seen = model;
    EXPECT_EQ(&seen.main.control(names::Button36), &model.main.control(names::Button36));
    EXPECT_EQ(&seen.main.menuItem(Menu::Music), &model.main.menuItem(Menu::Music));
    EXPECT_EQ(&seen.timer(names::Timer2), &model.timer(names::Timer2));
    try {
        (void)seen.main.control("Button99");
        ADD_FAILURE() << "an unknown control was found";
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("Button99"), std::string::npos);
    }
    EXPECT_THROW((void)seen.main.menuItem("&Options/&Sound"), std::out_of_range);
    EXPECT_THROW((void)seen.timer("Timer5"), std::out_of_range);

    // A name asked for twice from the same text, which meanwhile names another control, a
    // renamed control or an unknown one: each look-up finds what the name says now.
    std::string asked(names::Button36);
    EXPECT_EQ(model.main.find(asked), &model.main.control(names::Button36));
    asked.replace(asked.size() - 1, 1, "7"); // the same text, now "Button37"
    EXPECT_EQ(model.main.find(asked), &model.main.control(names::Button37));
    asked = "Button99";
    EXPECT_EQ(model.main.find(asked), nullptr);
    model.main.control(names::Button36).name = "Renamed";
    EXPECT_EQ(model.main.find(names::Button36), nullptr);
    EXPECT_NE(model.main.find("Renamed"), nullptr);
}

} // namespace
