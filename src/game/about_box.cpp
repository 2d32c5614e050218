#include "game/about_box.h"

#include "picture/bmp.h"
#include "picture/picture_list.h"
#include "state/game.h"
#include "window/main_window.h"
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

window::Window& aboutBox(Game& game) {
    return *game.window.findWindow(kAboutWindow);
}

void show(window::Window& box, std::string_view name, bool visible) {
    box.control(name).visible = visible;
}

// Load the pictures the first time the box opens. A missing picture leaves its place empty:
// the box is no reason to stop the game.
void loadPictures(Game& game, window::Window& box) {
    for (const AboutPicture& p : kAboutPictures) {
        window::Control& control = box.control(p.control);
        if (control.picture.empty())
            control.picture = render::readBmp(render::dataPath(game.folders.game, p.file)).picture;
    }
}

} // namespace

void aboutFormActivate(Game& game) {
    // Fonts that are no pair of the menu leave the box's own sizes.
    const auto choice = fontChoice(game.options.fonts);
    if (!choice)
        return;
    const AboutFont* chosen = &kAboutFonts[static_cast<std::size_t>(*choice)];
    window::Window& box = aboutBox(game);
    for (std::string_view name : kTextControls)
        box.control(name).fontSize = chosen->text;
    box.control(about::ProductName).fontSize = chosen->productName;
}

void aboutTimer1Timer(Game& game) {
    window::Window& box = aboutBox(game);
    if (box.control(about::ProgramIcon).visible) {
        show(box, about::Image2, true);
        show(box, about::ProgramIcon, false);
    } else if (box.control(about::Image2).visible) {
        show(box, about::ProgramIcon, true);
        show(box, about::Image2, false);
    }
}

void aboutVillainClick(Game& game) {
    window::Window& box = aboutBox(game);
    show(box, about::Image1, true);
    show(box, about::ProgramIcon, false);
    show(box, about::Image2, false);
}

void aboutThiefClick(Game& game) {
    window::Window& box = aboutBox(game);
    show(box, about::Image1, false);
    show(box, about::ProgramIcon, true);
}

void aboutClose(Game& game) {
    aboutBox(game).visible = false;
    game.window.timer(kAboutTimer).enabled = false;
}

void About1Click(Game& game) {
    loadPictures(game, aboutBox(game));
    aboutFormActivate(game);
    aboutBox(game).visible = true;
    window::setFocus(aboutBox(game), about::OKButton); // the default button: Enter presses it
    window::Timer& timer = game.window.timer(kAboutTimer);
    timer.intervalMs = 300;
    timer.enabled = true;
}

} // namespace game
