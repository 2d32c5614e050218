#include "render/controls.h"

#include "state/game.h"
#include "state/render_state.h"
#include "window/main_window.h"
#include "window/names.h"

#include <algorithm>
#include <utility>

namespace render {
namespace {

// The text box over the play field and its buttons at the lower right corner.
constexpr int kBoxLeft = 129;
constexpr int kBoxTop = 45;
constexpr int kBoxWidth = 382;
constexpr int kBoxHeight = 200;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 16;

// The answers laid out in the box.
constexpr int kChoiceInset = 16;
constexpr int kChoiceTop = 48;
constexpr int kChoiceHeight = 32;

void place(window::Control& c, int x, int y, int width, int height) {
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
}

} // namespace

void showControl(game::Game& game, std::string_view name, bool shown) {
    game.window.main.control(name).visible = shown;
}

void enableControl(game::Game& game, std::string_view name, bool enabled) {
    game.window.main.control(name).enabled = enabled;
}

void setText(game::Game& game, std::string_view name, std::string text) {
    game.window.main.control(name).text = std::move(text);
}

void setPicture(game::Game& game, std::string_view name, Picture picture) {
    game.window.main.control(name).picture = std::move(picture);
}

void hideStatusFields(game::Game& game) {
    window::Window& w = game.window.main;
    for (const auto name : window::names::kArrowButtons)
        w.control(name).visible = false;
    for (const std::string_view memo : window::names::kMemos)
        w.control(memo).visible = false;
}

const Picture& screenPicture(const game::Game& game) {
    return game.window.main.screen;
}

Picture takePicture(game::Game& game, std::string_view name) {
    return std::move(game.window.main.control(name).picture);
}

std::uint64_t screenDrawings(const game::Game& game) {
    return game.window.main.screen.drawings();
}

bool fullWindowStillShows(const game::Game& game, const Picture& like, std::uint64_t drawings) {
    const window::Control& full = game.window.main.control(window::names::Image23);
    return full.visible && game.window.main.screen.drawings() == drawings &&
           full.picture.width == like.width && full.picture.height == like.height;
}

void drawFullWindowRows(game::Game& game, const Picture& from, Rect rows) {
    window::Control& full = game.window.main.control(window::names::Image23);
    drawRect(full.picture, 0, rows.y, from, rows);
    drawRect(game.window.main.screen, full.x, full.y + rows.y, from, rows);
}

void setFontSize(game::Game& game, std::string_view name, int size) {
    if (window::Control* c = game.window.main.find(name))
        c->fontSize = size;
}

void focusControl(game::Game& game, std::string_view name) {
    window::setFocus(game.window.main, name);
}

bool controlShown(const game::Game& game, std::string_view name) {
    return game.window.main.control(name).visible;
}

bool controlEnabled(const game::Game& game, std::string_view name) {
    return game.window.main.control(name).enabled;
}

bool clickable(const game::Game& game, std::string_view name) {
    const window::Control* c = game.window.main.find(name);
    return c && c->visible && c->enabled;
}

void setTimerRunning(game::Game& game, std::string_view timer, bool running) {
    game.window.timer(timer).enabled = running;
}

bool timerRunning(const game::Game& game, std::string_view timer) {
    return game.window.timer(timer).enabled;
}

void setTimerInterval(game::Game& game, std::string_view timer, int intervalMs) {
    game.window.timer(timer).intervalMs = intervalMs;
}

int timerInterval(const game::Game& game, std::string_view timer) {
    return game.window.timer(timer).intervalMs;
}

void setCaption(game::Game& game, std::string caption) {
    game.window.main.caption = std::move(caption);
}

void placeMainWindow(game::Game& game, int left, int top) {
    game.window.main.left = left;
    game.window.main.top = top;
}

int mainClientWidth(const game::Game& game) {
    return game.window.main.clientWidth;
}

void checkMenu(game::Game& game, std::string_view path, bool checked) {
    game.window.main.menuItem(path).checked = checked;
}

void enableMenu(game::Game& game, std::string_view path, bool enabled) {
    game.window.main.menuItem(path).enabled = enabled;
}

bool menuEnabled(const game::Game& game, std::string_view path) {
    return game.window.main.menuItem(path).enabled;
}

void showWindow(game::Game& game, std::string_view window, bool shown) {
    game.window.findWindow(window)->visible = shown;
}

bool windowShown(const game::Game& game, std::string_view window) {
    return game.window.findWindow(window)->visible;
}

void showWindowControl(game::Game& game, std::string_view window, std::string_view control,
                       bool shown) {
    game.window.findWindow(window)->control(control).visible = shown;
}

bool windowControlShown(const game::Game& game, std::string_view window, std::string_view control) {
    return game.window.findWindow(window)->control(control).visible;
}

bool windowControlHasPicture(const game::Game& game, std::string_view window,
                             std::string_view control) {
    return !game.window.findWindow(window)->control(control).picture.empty();
}

void setWindowPicture(game::Game& game, std::string_view window, std::string_view control,
                      Picture picture) {
    game.window.findWindow(window)->control(control).picture = std::move(picture);
}

void setWindowControlFont(game::Game& game, std::string_view window, std::string_view control,
                          int size) {
    game.window.findWindow(window)->control(control).fontSize = size;
}

void focusInWindow(game::Game& game, std::string_view window, std::string_view control) {
    window::setFocus(*game.window.findWindow(window), control);
}

void setWindowText(game::Game& game, std::string_view window, std::string_view control,
                   std::string text) {
    game.window.findWindow(window)->control(control).text = std::move(text);
}

void setWindowFonts(game::Game& game, std::string_view window,
                    std::span<const std::string_view> large) {
    const int small = game.options.fonts.small;
    const int dialog = game.options.fonts.dialog;
    for (window::Control& c : game.window.findWindow(window)->controls)
        c.fontSize = std::find(large.begin(), large.end(), c.name) != large.end() ? dialog : small;
}

void openBox(game::Game& game, std::string text) {
    window::Window& w = game.window.main;
    window::Control& box = w.control(window::names::RichEdit1);
    place(box, kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight);
    box.fontSize = game.options.fonts.dialog;
    box.text = std::move(text);
    box.visible = true;
    const int right = kBoxLeft + kBoxWidth - kButtonWidth - kMargin;
    const int top = kBoxTop + kBoxHeight - kButtonHeight - kMargin;
    place(w.control(window::names::Button1), right, top, kButtonWidth, kButtonHeight);
    place(w.control(window::names::Button7), right, top, kButtonWidth, kButtonHeight);
    place(w.control(window::names::Button2), right - kMargin - kButtonWidth, top, kButtonWidth,
          kButtonHeight);
}

void closeBox(game::Game& game) {
    window::Control& box = game.window.main.control(window::names::RichEdit1);
    box.text.clear();
    box.visible = false;
}

void showChoice(game::Game& game, int k, std::string_view button, std::string caption) {
    window::Window& w = game.window.main;
    const window::Control& box = w.control(window::names::RichEdit1);
    window::Control& c = w.control(button);
    c.x = box.x + kChoiceInset;
    c.y = box.y + kChoiceTop + k * kChoiceHeight;
    c.width = std::max(0, box.width - 2 * kChoiceInset);
    c.height = kChoiceHeight;
    c.fontSize = game.options.fonts.dialog;
    c.text = std::move(caption);
    c.visible = true;
}

void showUsePair(game::Game& game, std::string_view icon) {
    window::Window& w = game.window.main;
    const window::Control& under = w.control(icon);
    window::Control& dontUse = w.control(window::names::Button37);
    window::Control& use = w.control(window::names::Button38);
    dontUse.x = use.x = under.x - 16;
    dontUse.y = under.y + 32;
    use.y = under.y + 48;
    dontUse.visible = use.visible = true;
    dontUse.enabled = use.enabled = true;
    window::setFocus(w, window::names::Button37);
}

void useDialogueFont(game::Game& game, std::string_view name) {
    game.window.main.control(name).fontSize = game.options.fonts.dialog;
}

} // namespace render
