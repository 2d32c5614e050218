#include "game/about_box.h"

#include "picture/bmp.h"
#include "picture/picture_list.h"
#include "render/controls.h"
#include "state/game.h"
#include "window/names.h"

#include <string_view>

namespace game {
namespace {

namespace about = window::names::about;

constexpr std::string_view kAboutWindow = window::names::About;
constexpr std::string_view kAboutTimer = window::names::about::Timer1;

// For each entry of the Font menu (Big, Normal, Small, Tiny), the box's text size and the size
// of the game's name.
struct AboutFont {
    int text;
    int productName;
};
constexpr AboutFont kAboutFonts[] = {{12, 16}, {10, 14}, {9, 13}, {8, 12}};

// The box's three pictures, kept with the game's pictures: the villain in two poses and the
// thief.
struct AboutPicture {
    std::string_view control;
    const char* file;
};
constexpr AboutPicture kAboutPictures[] = {
    {about::ProgramIcon, "about-zeno1.bmp"},
    {about::Image2, "about-zeno2.bmp"},
    {about::Image1, "about-thief.bmp"},
};

// The controls that take the box's text size.
constexpr std::string_view kTextControls[] = {about::Label1, about::OKButton, about::Panel1,
                                              about::Version};

void show(Game& game, std::string_view name, bool visible) {
    render::showWindowControl(game, kAboutWindow, name, visible);
}

bool shown(const Game& game, std::string_view name) {
    return render::windowControlShown(game, kAboutWindow, name);
}

// Load the pictures the first time the box opens. A missing picture leaves its place empty:
// the box is no reason to stop the game.
void loadPictures(Game& game) {
    for (const AboutPicture& p : kAboutPictures)
        if (!render::windowControlHasPicture(game, kAboutWindow, p.control))
            render::setWindowPicture(
                game, kAboutWindow, p.control,
                render::readBmp(render::dataPath(game.folders.game, p.file)).picture);
}

} // namespace

void aboutFormActivate(Game& game) {
    // Fonts that are no pair of the menu leave the box's own sizes.
    const auto choice = fontChoice(game.options.fonts);
    if (!choice)
        return;
    const AboutFont* chosen = &kAboutFonts[static_cast<std::size_t>(*choice)];
    for (std::string_view name : kTextControls)
        render::setWindowControlFont(game, kAboutWindow, name, chosen->text);
    render::setWindowControlFont(game, kAboutWindow, about::ProductName, chosen->productName);
}

void aboutTimer1Timer(Game& game) {
    if (shown(game, about::ProgramIcon)) {
        show(game, about::Image2, true);
        show(game, about::ProgramIcon, false);
    } else if (shown(game, about::Image2)) {
        show(game, about::ProgramIcon, true);
        show(game, about::Image2, false);
    }
}

void aboutVillainClick(Game& game) {
    show(game, about::Image1, true);
    show(game, about::ProgramIcon, false);
    show(game, about::Image2, false);
}

void aboutThiefClick(Game& game) {
    show(game, about::Image1, false);
    show(game, about::ProgramIcon, true);
}

void aboutClose(Game& game) {
    render::showWindow(game, kAboutWindow, false);
    render::setTimerRunning(game, kAboutTimer, false);
}

void About1Click(Game& game) {
    loadPictures(game);
    aboutFormActivate(game);
    render::showWindow(game, kAboutWindow, true);
    render::focusInWindow(game, kAboutWindow,
                          about::OKButton); // the default button: Enter presses it
    render::setTimerInterval(game, kAboutTimer, 300);
    render::setTimerRunning(game, kAboutTimer, true);
}

} // namespace game
