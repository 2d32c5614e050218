// The window as the game sees it: named controls, menu entries, timers and the screen
// picture. The core changes this model; the Qt shell mirrors it onto real widgets after
// every event, and the headless driver prints it.
#pragma once

#include "picture/picture.h"
#include "picture/surface.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace window {

enum class ControlKind { Image, Memo, Edit, RichEdit, Button, BitBtn, Panel, ListBox, Label };

enum class Align { Left, Center, Right };

struct Control {
    ControlKind kind = ControlKind::Image;
    std::string name;   // designer name: "Image1", "Memo11", "Button36"
    std::string parent; // containing control ("Panel1") or empty for the window itself
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;
    bool focused = false;
    std::string text; // caption of a button, text of an edit or memo (lines joined by '\n')
    std::string hint; // tool tip
    bool showHint = false;
    int fontSize = 0; // pixels; 0 = the window's default
    bool bold = false;
    Align align = Align::Left;
    std::uint32_t textColor = 0x000000;
    std::uint32_t background = 0xc0c0c0;
    render::Picture picture; // what an Image control shows (empty: nothing)
};

struct MenuItem {
    std::string path;     // captions from the menu bar down, joined by '/': "&Game/&Load/Data &1"
    std::string caption;  // own caption with its access letter: "Data &1"
    std::string shortcut; // "F2", "Ctrl+G", several as "Ctrl+Y; Ctrl+Shift+Z", or empty
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool separatorAfter = false;
    bool isSubmenu = false;
};

struct Timer {
    std::string name; // "Timer1".."Timer4"; secondary windows' timers as "About.Timer1"
    bool enabled = false;
    int intervalMs = 0;
};

// Where each control of a window stands in its list, by name: looking a control up costs one
// hash instead of a walk along the list comparing names. Rebuilt whenever it is found stale
// (a control added or renamed).
class ControlIndex {
  public:
    // The control's position in `controls`, or -1.
    int find(const std::vector<Control>& controls, std::string_view name);

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, int, Hash, std::equal_to<>> positions_;
    std::size_t indexed_ = 0; // how many controls the index holds

    // The names asked for lately, by where their text lies: the game asks by its constant
    // names, so most look-ups are answered from here without hashing the name.
    struct Recent {
        const char* text = nullptr;
        int position = -1;
    };
    std::array<Recent, 128> recent_{};
};

// One top-level window: the main window, or a secondary one ("About", "Ranking", "Ending",
// "DataFolder").
struct Window {
    std::string name;
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    int left = 0;
    int top = 0;
    bool visible = false;
    std::vector<Control> controls; // in creation order (later ones lie on top)
    std::vector<MenuItem> menu;    // menu bar entries in order, each after its parent
    render::Surface screen;        // what is painted straight onto the client area

    Control* find(std::string_view controlName);
    const Control* find(std::string_view controlName) const;
    Control& control(std::string_view controlName); // throws std::out_of_range if unknown
    const Control& control(std::string_view controlName) const;
    MenuItem* findMenu(std::string_view path);
    const MenuItem* findMenu(std::string_view path) const;
    MenuItem& menuItem(std::string_view path); // throws std::out_of_range if unknown
    const MenuItem& menuItem(std::string_view path) const;

    mutable ControlIndex index; // for find and control; a cache, never part of what is shown
};

// The whole user interface: the main window, the secondary windows and the timers.
struct WindowModel {
    Window main;
    std::map<std::string, Window, std::less<>> secondary;
    std::vector<Timer> timers;

    Timer* findTimer(std::string_view timerName);
    const Timer* findTimer(std::string_view timerName) const;
    Timer& timer(std::string_view timerName); // throws std::out_of_range if unknown
    const Timer& timer(std::string_view timerName) const;
    Window* findWindow(std::string_view windowName); // "" or "Main" is the main window
    const Window* findWindow(std::string_view windowName) const;
};

} // namespace window
