#include "window/main_window.h"

#include "window/item_icons.h"
#include "window/names.h"
#include "world/item_table.h"

#include <array>
#include <string>

namespace window {
namespace {

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kMaroon = 0x800000;
constexpr int kPanelFont = 12;   // status figures and names
constexpr int kMessageFont = 17; // the message line

// Adds controls to a window in creation order.
class Builder {
  public:
    explicit Builder(Window& w) : w_(w) {}

    Control& add(ControlKind kind, std::string_view name, int x, int y, int width, int height,
                 bool visible = true, std::string_view parent = {}) {
        Control c;
        c.kind = kind;
        c.name = name;
        c.parent = parent;
        c.x = x;
        c.y = y;
        c.width = width;
        c.height = height;
        c.visible = visible;
        w_.controls.push_back(std::move(c));
        return w_.controls.back();
    }

    Control& button(std::string_view name, std::string caption, int x, int y, int width, int height,
                    bool visible = true) {
        Control& c = add(ControlKind::Button, name, x, y, width, height, visible);
        c.text = std::move(caption);
        return c;
    }

  private:
    Window& w_;
};

void hint(Control& c, std::string text, bool show = true) {
    c.hint = std::move(text);
    c.showHint = show;
}

// A read-only text field of the status panel: bold 12-pixel white on grey.
Control& panelField(Builder& b, std::string_view name, int x, int y, int width, int height,
                    Align align) {
    Control& c = b.add(ControlKind::Memo, name, x, y, width, height);
    c.fontSize = kPanelFont;
    c.bold = true;
    c.align = align;
    c.textColor = kWhite;
    c.background = kGrey;
    return c;
}

constexpr std::array<const char*, 24> kRecordHints = {
    "Old Man of 4F",   "Old Man of 6F",   "Merchant of 6F",  "Merchant of 7F", "Merchant of 12F",
    "Merchant of 15F", "Old Man of 16F",  "Old Man of 18F",  "Old Man of 21F", "Old Man of 27F",
    "Old Man of 31F",  "Merchant of 31F", "Old Man of 33F",  "Old Man of 36F", "Old Man of 37F",
    "Merchant of 38F", "Old Man of 39F",  "Merchant of 39F", "Old Man of 42F", "Old Man of 45F",
    "Merchant of 45F", "Old Man of 46F",  "Merchant of 47F", "Old Man of 48F"};

std::string numbered(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n);
}

// The left panel: floor label, the four numbers and the fifteen item icons with the cursor.
void addLeftPanel(Builder& b) {
    Control& floor = panelField(b, names::Memo11, 13, 45, 103, 24, Align::Center);
    floor.text = "Tower  1 F";
    constexpr std::array<const char*, 4> kNumberHints = {"Vital Power", "Offensive Power",
                                                         "Defensive Power", "Gold"};
    for (int n = 0; n < 4; ++n)
        hint(panelField(b, names::kStatusFigures[static_cast<std::size_t>(n)], 40, 78 + 24 * n, 76,
                        20, Align::Right),
             kNumberHints[static_cast<std::size_t>(n)]);
    for (int k = 0; k < world::kItemCount; ++k) {
        const world::Item& item = world::item(k);
        Control& icon =
            b.add(ControlKind::Image, item.icon, 16 + 32 * (k % 3), 192 + 32 * (k / 3), 32, 32);
        hint(icon, std::string(item.name), false);
    }
    b.add(ControlKind::Image, names::ItemCursor, 16, 192, 33, 32, false);
}

// The right panel: sword, shield, keys, the monster panel and the four arrow buttons.
void addRightPanel(Builder& b) {
    constexpr int R = kRightPanel;
    hint(panelField(b, names::Memo9, R + 9, 64, 68, 20, Align::Center), "Name of Sword");
    hint(panelField(b, names::Memo10, R + 9, 112, 68, 20, Align::Center), "Name of Shield");
    b.add(ControlKind::Image, names::Image19, R + 80, 48, 32, 32);
    b.add(ControlKind::Image, names::Image20, R + 80, 96, 32, 32);
    b.add(ControlKind::Image, names::Image32, R + 13, 144, 96, 64);
    b.add(ControlKind::Image, names::Image31, R + 46, 230, 32, 32);
    panelField(b, names::Memo8, R + 9, 268, 103, 20, Align::Center);
    const int statsRight = R + 9 + 103;
    for (int n = 0; n < 3; ++n)
        panelField(b, names::kMonsterFields[static_cast<std::size_t>(n)], R + 42, 288 + 20 * n,
                   statsRight - (R + 42), 20, Align::Right);
    struct Arrow {
        int x, y;
        const char* hint;
    };
    constexpr std::array<Arrow, 4> kArrows = {
        Arrow{R + 45, 355, "Go to Upside"}, Arrow{R + 11, 368, "Go to Left"},
        Arrow{R + 79, 368, "Go to Right"}, Arrow{R + 45, 377, "Go to Down"}};
    for (int n = 0; n < 4; ++n) {
        const Arrow& a = kArrows[static_cast<std::size_t>(n)];
        hint(b.add(ControlKind::BitBtn, names::kArrowButtons[static_cast<std::size_t>(n)], a.x, a.y,
                   32, 20),
             a.hint);
    }
}

// The monster list of the Orb of Hero: a panel over the centre with seven rows.
void addMonsterList(Builder& b) {
    b.add(ControlKind::Panel, names::Panel1, 125, 0, 390, 397, false);
    for (std::size_t k = 0; k < names::kListPictures.size(); ++k)
        b.add(ControlKind::Image, names::kListPictures[k], 16, 84 + 40 * static_cast<int>(k), 32,
              32, false, names::Panel1);
    for (std::size_t k = 0; k < names::kListNames.size(); ++k) {
        const int y = 80 + 40 * static_cast<int>(k);
        b.add(ControlKind::Edit, names::kListNames[k], 181, y, 114, 20, false);
        b.add(ControlKind::Edit, names::kListStrengths[k], 181, y + 20, 318, 20, false);
    }
    for (std::size_t k = 0; k < names::kListForecasts.size(); ++k)
        b.add(ControlKind::Edit, names::kListForecasts[k], 181 + 114, 80 + 40 * static_cast<int>(k),
              204, 20, false);
    b.button(names::Button36, "OK", 400, 362, 64, 20, false);
}

// The dialogue box, its answers, the floor chooser, the advice record, the item buttons and
// the merchants' choices: all hidden until a dialogue needs them.
void addDialogues(Builder& b) {
    b.add(ControlKind::RichEdit, names::RichEdit1, 129, 45, 382, 200, false);
    b.button(names::Button1, "OK", 368, 272, 75, 25, false);
    b.button(names::Button7, "No", 368, 272, 75, 25, false);
    b.button(names::Button2, "Yes", 264, 272, 75, 25, false);
    b.button(names::Button8, "UP", 72, 224, 48, 16, false);
    b.button(names::Button9, "DOWN", 72, 240, 48, 16, false);
    b.button(names::Button10, "OK", 72, 256, 48, 16, false);
    for (int k = 0; k < 24; ++k)
        hint(b.button(names::kRecordButtons[static_cast<std::size_t>(k)], "", 16 + 16 * (k % 6),
                      224 + 16 * (k / 6), 16, 16, false),
             kRecordHints[static_cast<std::size_t>(k)]);
    b.button(names::Button35, "OK", 80, 288, 32, 16, false);
    b.button(names::Button37, "Don't use", 0, 224, 64, 16, false);
    b.button(names::Button38, "Use", 0, 240, 64, 16, false);
    for (int k = 0; k < 4; ++k)
        b.button(names::kChoiceButtons[static_cast<std::size_t>(k)], "", 208, 80 + 32 * k, 224, 32,
                 false);
}

// The menu bar in order, each entry after its parent; an entry's caption is the last part of
// its path.
void addMenu(Window& w) {
    std::vector<MenuItem>& m = w.menu;
    auto add = [&m](std::string_view path, std::string shortcut = {},
                    bool submenu = false) -> MenuItem& {
        MenuItem item;
        item.path = path;
        const std::size_t slash = path.rfind('/');
        item.caption = slash == std::string_view::npos ? path : path.substr(slash + 1);
        item.shortcut = std::move(shortcut);
        item.isSubmenu = submenu;
        m.push_back(std::move(item));
        return m.back();
    };
    add(Menu::Game, "Ctrl+G", true);
    add(Menu::GameStart, "F2");
    add(Menu::GameQuit, "F9").separatorAfter = true;
    add(Menu::Ranking).separatorAfter = true;
    add(Menu::Load, {}, true);
    for (const std::string_view slot : Menu::kLoadSlots)
        add(slot);
    add(Menu::Save, {}, true);
    for (const std::string_view slot : Menu::kSaveSlots)
        add(slot);
    MenuItem& save = w.menuItem(Menu::Save);
    save.enabled = false;
    save.separatorAfter = true;
    add(Menu::Exit);

    add(Menu::Options, "Ctrl+O", true);
    add(Menu::MouseControl);
    add(Menu::KeyboardControl).separatorAfter = true;
    add(Menu::Speed, {}, true);
    for (const std::string_view speed : {Menu::SpeedHigh, Menu::SpeedMiddle, Menu::SpeedLow})
        add(speed);
    MenuItem& prologue = add(Menu::Prologue);
    prologue.checked = true;
    prologue.separatorAfter = true;
    add(Menu::WavSound);
    add(Menu::Music).separatorAfter = true;
    add(Menu::Font, {}, true);
    for (const std::string_view size : Menu::kFontEntries)
        add(size);
    w.menuItem(Menu::Font).separatorAfter = true;
    add(Menu::ChangeDataSpot).separatorAfter = true;
    add(Menu::SaveOption);
    add(Menu::InitializeOption).separatorAfter = true;

    // Our own menu, beside the game's three: the extras that change no rule.
    add(Menu::Extras, {}, true);
    add(Menu::DamageOnMap);
    add(Menu::ClickToWalk).checked = true;
    add(Menu::Record);
    add(Menu::Hint).separatorAfter = true;
    add(Menu::AllowUndo);
    add(Menu::Undo, "Ctrl+Z").enabled = false;
    add(Menu::Redo, "Ctrl+Y; Ctrl+Shift+Z").enabled = false;

    add(Menu::Help, "Ctrl+H", true);
    add(Menu::HelpLibrary, "F1");
    add(Menu::AboutGravenhold);
}

// A window of the given designer name, caption and client size, with no controls yet.
Window emptyWindow(std::string_view name, const char* caption, int clientWidth, int clientHeight) {
    Window w;
    w.name = name;
    w.caption = caption;
    w.clientWidth = clientWidth;
    w.clientHeight = clientHeight;
    return w;
}

} // namespace

void setFocus(Window& window, std::string_view control) {
    for (Control& c : window.controls)
        c.focused = c.name == control;
}

Window makeMainWindow() {
    Window w = emptyWindow(names::Main, "Gravenhold Ver1.0", kClientWidth, kClientHeight);
    w.visible = true;
    w.screen = render::Surface(kClientWidth, kClientHeight - 26, kGrey);
    Builder b(w);
    b.add(ControlKind::Image, names::Image2, 0, 0, 125, 400);
    b.add(ControlKind::Image, names::Image1, 125, 0, 390, 400);
    b.add(ControlKind::Image, names::Image3, kRightPanel, 0, 125, 400);
    addLeftPanel(b);
    addRightPanel(b);
    b.add(ControlKind::Image, names::Image23, 0, 0, 640, 400, false);
    addMonsterList(b);
    addDialogues(b);
    Control& message = b.add(ControlKind::Edit, names::Edit8, 0, 400, 640, 26);
    message.text = kFirstMessage;
    message.fontSize = kMessageFont;
    message.textColor = kWhite;
    message.background = kGrey;
    hint(message, "Show message.");
    b.add(ControlKind::Memo, names::Memo12, 0, 0, 0, 0, false);
    b.add(ControlKind::ListBox, names::ListBox2, 0, 0, 0, 0, false);
    addMenu(w);
    return w;
}

Window makeAboutWindow() {
    namespace about = names::about;
    Window w = emptyWindow(names::About, "About Gravenhold", 298, 172);
    Builder b(w);
    b.add(ControlKind::Panel, about::Panel1, 8, 8, 281, 129);
    Control& product =
        b.add(ControlKind::Label, about::ProductName, 2, 10, 277, 24, true, about::Panel1);
    product.text = "Gravenhold";
    product.align = Align::Center;
    product.bold = true;
    product.textColor = kMaroon;
    product.fontSize = 19;
    hint(b.add(ControlKind::Image, about::ProgramIcon, 12, 36, 48, 48, true, about::Panel1),
         "I am Magic Master, Zeno, I wait for you coming.");
    hint(b.add(ControlKind::Image, about::Image2, 12, 36, 48, 48, true, about::Panel1),
         "I'm Magic Master, Zeno, I wait for you coming.");
    hint(b.add(ControlKind::Image, about::Image1, 12, 36, 48, 48, false, about::Panel1),
         "I am a thief. I will make a loophole for you.");
    for (auto [name, text, y, h] : {std::tuple{about::Label1, "2DVersion", 40, 20},
                                    std::tuple{about::Version, "Version 1.0", 61, 16}}) {
        Control& label = b.add(ControlKind::Label, name, 2, y, 277, h, true, about::Panel1);
        label.text = text;
        label.align = Align::Center;
        label.bold = true;
    }
    b.button(about::OKButton, "OK", 104, 144, 97, 24);
    return w;
}

Window makeRankingWindow() {
    namespace ranking = names::ranking;
    Window w = emptyWindow(names::Ranking, "Ranking", 520, 390);
    Builder b(w);
    constexpr std::array<const char*, 5> kLists = {"10 F", "20 F", "25 F", "40 F", "49 F"};
    for (int n = 0; n < 5; ++n)
        b.button(ranking::kListButtons[static_cast<std::size_t>(n)],
                 kLists[static_cast<std::size_t>(n)], 16 + 76 * n, 8, 68, 25);
    struct Column {
        const char* head;
        int left, width;
    };
    constexpr std::array<Column, 6> kColumns = {
        Column{"Rank", 16, 40},  Column{"Points", 60, 48},   Column{"Name", 112, 176},
        Column{"Life", 292, 72}, Column{"Offense", 366, 64}, Column{"Defense", 432, 64}};
    const int right = kColumns.back().left + kColumns.back().width;
    b.button(ranking::Button6, "Exit", right - 68, 8, 68, 25);
    Control& title = b.add(ControlKind::Label, ranking::Label1, 16, 45, right - 16, 28);
    title.text = "RANKING of Top 10";
    title.align = Align::Center;
    for (int c = 0; c < 6; ++c) {
        const Column& col = kColumns[static_cast<std::size_t>(c)];
        b.add(ControlKind::Label, numbered(ranking::LabelStem, c + 2), col.left, 80, col.width, 16)
            .text = col.head;
    }
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 6; ++c) {
            const Column& col = kColumns[static_cast<std::size_t>(c)];
            Control& cell = b.add(ControlKind::Edit, numbered(ranking::CellStem, 6 * r + c + 1),
                                  col.left, 96 + 25 * r, col.width, 25);
            if (c == 0)
                cell.text = std::to_string(r + 1);
        }
    return w;
}

Window makeEndingWindow() {
    namespace ending = names::ending;
    Window w = emptyWindow(names::Ending, "Ending", 640, 400);
    w.screen = render::Surface(640, 400, kWhite);
    Builder b(w);
    for (const std::string_view picture : {ending::Image1, ending::Image2, ending::Image3})
        b.add(ControlKind::Image, picture, 0, 0, 640, 400);
    hint(w.control(ending::Image3), "Thank you for playing!");
    Control& panel =
        b.add(ControlKind::Panel, ending::Panel1, 640 - 4 - 184, 400 - 4 - 40, 184, 40, false);
    panel.background = kWhite;
    hint(b.add(ControlKind::Image, ending::Image4, 2, 2, 180, 36, false, ending::Panel1),
         "Please Click here, go to the reverse side!");
    return w;
}

Window makeDataFolderWindow() {
    namespace datafolder = names::datafolder;
    Window w = emptyWindow(names::DataFolder, "Change Data Folder", 480, 262);
    Builder b(w);
    b.add(ControlKind::Label, datafolder::Label1, 5, 5, 470, 20).text =
        "Please choose a data directory";
    b.add(ControlKind::Label, datafolder::Label2, 5, 32, 80, 25).text = "Situation";
    b.add(ControlKind::Edit, datafolder::Edit1, 90, 32, 385, 25);
    b.add(ControlKind::ListBox, datafolder::DriveComboBox1, 5, 64, 226, 20);
    b.add(ControlKind::ListBox, datafolder::DirectoryListBox1, 5, 88, 226, 137);
    b.button(datafolder::Button3, "Make Directory", 241, 64, 226, 25);
    b.add(ControlKind::ListBox, datafolder::FileListBox1, 241, 96, 226, 65);
    b.button(datafolder::Button1, "OK", 241, 168, 226, 25);
    b.button(datafolder::Button2, "Cancel", 241, 200, 226, 25);
    return w;
}

WindowModel makeWindowModel() {
    WindowModel model;
    model.main = makeMainWindow();
    for (Window w :
         {makeAboutWindow(), makeRankingWindow(), makeEndingWindow(), makeDataFolderWindow()})
        model.secondary.emplace(w.name, std::move(w));
    const auto timer = [](std::string_view name, bool enabled, int intervalMs) {
        return Timer{std::string(name), enabled, intervalMs};
    };
    model.timers = {
        timer(names::Timer1, true, 500),         timer(names::Timer2, false, 300),
        timer(names::Timer3, false, 300),        timer(names::Timer4, false, 500),
        timer(names::about::Timer1, false, 300), timer(names::ending::Timer1, false, 500),
        timer(names::WalkTimer, false, 150)};
    return model;
}

} // namespace window
