#include "replay/driver.h"

#include "extras/inputs.h"
#include "extras/undo.h"
#include "game/events.h"
#include "game/setup.h"
#include "game/startup.h"
#include "io/files.h"
#include "persist/options.h"
#include "picture/bmp.h"
#include "script/input_lock.h"

#include <charconv>
#include <limits>
#include <vector>

namespace replay {
namespace {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Splits off the first word of s; s keeps the rest, trimmed.
std::string_view firstWord(std::string_view& s) {
    s = trim(s);
    const auto end = s.find_first_of(" \t");
    const std::string_view word = s.substr(0, end);
    s = end == std::string_view::npos ? std::string_view() : trim(s.substr(end));
    return word;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    for (auto w = firstWord(s); !w.empty(); w = firstWord(s))
        out.push_back(w);
    return out;
}

std::optional<std::int64_t> number(std::string_view w, std::int64_t lo, std::int64_t hi) {
    std::int64_t v = 0;
    const auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc{} || ptr != w.data() + w.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

std::string badNumber(std::string_view what, std::string_view w, std::int64_t lo, std::int64_t hi) {
    return std::string(what) + " \"" + std::string(w) + "\" is not a number " + std::to_string(lo) +
           ".." + std::to_string(hi);
}

// A caption without its access-letter marks: "Game &Start" -> "Game Start".
std::string withoutAccessMarks(std::string_view caption) {
    std::string out;
    for (char c : caption) {
        if (c != '&')
            out += c;
    }
    return out;
}

char flag(bool b) {
    return b ? '1' : '0';
}

struct QualifiedName {
    window::Window* window = nullptr;
    std::string_view control;
};

QualifiedName resolve(window::WindowModel& model, std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos)
        return {&model.main, name};
    return {model.findWindow(name.substr(0, dot)), name.substr(dot + 1)};
}

// True when the player could reach the control: shown and enabled, inside a shown panel,
// in the main window or in an open secondary window.
bool reachable(window::Window& w, const window::Control& c) {
    if (!c.visible || !c.enabled)
        return false;
    if (!c.parent.empty()) {
        const window::Control* parent = w.find(c.parent);
        if (parent && !reachable(w, *parent))
            return false;
    }
    return w.name.empty() || w.name == window::names::Main || w.visible;
}

// True when the entry and every menu above it are enabled and shown.
bool menuReachable(window::Window& w, const window::MenuItem& item) {
    if (!item.enabled || !item.visible)
        return false;
    const auto slash = item.path.rfind('/');
    if (slash == std::string::npos)
        return true;
    const window::MenuItem* parent = w.findMenu(item.path.substr(0, slash));
    return !parent || menuReachable(w, *parent);
}

} // namespace

void startUpForScripts(game::Game& game, bool prologue) {
    game.options.prologue = prologue;
    game::startUp(game);
    game.options.control = game::ControlMode::Keyboard;
    if (!prologue)
        game.options.prologue = false;
    persist::optionl1(game); // which opens input again
    if (prologue)
        game::closeInputForOpening(game);
    else
        script::itemlive(game);
}

std::optional<std::string> Driver::execute(std::string_view line) {
    auto result = runLine(line);
    // The driver keeps the moves that can be taken back whatever the switch says, so that the
    // undo lines of a recording play back.
    extras::noteMoment(game_, extras::Keep::Always);
    return result;
}

std::optional<std::string> Driver::runLine(std::string_view line) {
    line = trim(line.substr(0, line.find('#')));
    if (line.empty())
        return std::nullopt;
    std::string_view rest = line;
    const std::string_view cmd = firstWord(rest);
    if (cmd == "key")
        return key(rest);
    if (cmd == "click" || cmd == "press" || cmd == "release")
        return control(cmd, rest);
    if (cmd == "menu")
        return menu(rest);
    if (cmd == "choose")
        return choose(rest);
    if (cmd == "answer")
        return answer(rest);
    if (cmd == "run") {
        if (!rest.empty())
            return "run takes no argument";
        if (!run())
            return "run: the game was still busy after 24 hours of virtual time";
        return std::nullopt;
    }
    if (cmd == "wait") {
        const auto ms = number(rest, 0, kDayMs);
        if (!ms)
            return badNumber("wait", rest, 0, kDayMs);
        wait(*ms);
        return std::nullopt;
    }
    if (cmd == "set")
        return set(rest);
    if (cmd == "print")
        return print(rest);
    if (cmd == "save-game")
        return saveGame(rest);
    if (cmd == "save-screen")
        return saveScreen(rest);
    if (auto result = replayCommand(cmd, rest))
        return *result;
    return "unknown command \"" + std::string(cmd) + "\"";
}

std::optional<std::string> Driver::key(std::string_view arg) {
    static constexpr std::pair<std::string_view, game::Key> kKeys[] = {
        {"up", game::Key::Up},       {"down", game::Key::Down},   {"left", game::Key::Left},
        {"right", game::Key::Right}, {"enter", game::Key::Enter}, {"escape", game::Key::Escape},
    };
    for (const auto& [name, k] : kKeys) {
        if (arg == name) {
            clock_.sync(game_.window);
            game::keyDown(game_, k);
            return std::nullopt;
        }
    }
    return "unknown key \"" + std::string(arg) + "\" (up, down, left, right, enter, escape)";
}

std::optional<std::string> Driver::control(std::string_view verb, std::string_view arg) {
    const QualifiedName q = resolve(game_.window, arg);
    const window::Control* c = q.window ? q.window->find(q.control) : nullptr;
    if (arg.empty() || !c)
        return "unknown control \"" + std::string(arg) + "\"";
    // A hidden or disabled control cannot be clicked, as in the window; nor can one whose
    // window is closed or whose panel is hidden.
    if (!reachable(*q.window, *c))
        return std::nullopt;
    clock_.sync(game_.window);
    // A control without a handler for this action ignores it, as a real window does.
    if (verb == "click")
        game::click(game_, arg);
    else if (verb == "press")
        game::press(game_, arg);
    else
        game::release(game_, arg);
    return std::nullopt;
}

std::optional<std::string> Driver::choose(std::string_view arg) {
    const auto w = words(arg);
    if (w.size() != 2)
        return "choose takes a list box and a row: choose NAME ROW";
    const QualifiedName q = resolve(game_.window, w[0]);
    const window::Control* list = q.window ? q.window->find(q.control) : nullptr;
    if (!list || list->kind != window::ControlKind::ListBox)
        return "unknown list box \"" + std::string(w[0]) + "\"";
    const auto row = number(w[1], 0, std::numeric_limits<std::int32_t>::max());
    if (!row)
        return badNumber("row", w[1], 0, std::numeric_limits<std::int32_t>::max());
    clock_.sync(game_.window);
    game::choose(game_, w[0], static_cast<int>(*row));
    return std::nullopt;
}

std::optional<std::string> Driver::menu(std::string_view arg) {
    for (const auto& item : game_.window.main.menu) {
        if (withoutAccessMarks(item.path) == arg && !item.isSubmenu) {
            // The driver plays recordings; it makes none (its own doors bypass the recorder).
            if (item.path == window::Menu::Record)
                return "the driver does not record: record in the window";
            clock_.sync(game_.window);
            // A disabled entry, or one inside a disabled menu, cannot be chosen.
            if (menuReachable(game_.window.main, item) &&
                !extras::extrasMenuEntry(game_, item.path)) {
                game::menuCommand(game_, item.path);
                extras::forgetAfterMenu(game_, item.path);
            }
            return std::nullopt;
        }
    }
    return "unknown menu command \"" + std::string(arg) + "\"";
}

std::optional<std::string> Driver::answer(std::string_view arg) {
    std::string_view rest = arg;
    const std::string_view kind = firstWord(rest);
    using K = Answer::Kind;
    if (kind == "text") {
        platform_.queue({K::Text, std::string(rest)});
        return std::nullopt;
    }
    static constexpr std::pair<std::string_view, K> kKinds[] = {
        {"yes", K::Yes}, {"no", K::No}, {"ok", K::Ok}, {"cancel", K::Cancel}};
    for (const auto& [name, k] : kKinds) {
        if (kind == name && rest.empty()) {
            platform_.queue({k, {}});
            return std::nullopt;
        }
    }
    return "answer takes yes, no, ok, cancel or text STRING";
}

std::optional<std::string> Driver::set(std::string_view arg) {
    const auto w = words(arg);
    if (w.size() == 3 && w[0] == "status") {
        const auto slot = number(w[1], 0, world::kStatusBlockWords - 1);
        if (!slot)
            return badNumber("slot", w[1], 0, world::kStatusBlockWords - 1);
        const auto v = number(w[2], std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max());
        if (!v)
            return "value \"" + std::string(w[2]) + "\" is not a 32-bit number";
        return game::setStatus(game_, static_cast<int>(*slot), static_cast<std::int32_t>(*v));
    }
    if (w.size() == 4 && w[0] == "tile") {
        const auto f = number(w[1], 0, world::kTopFloor);
        const auto c = number(w[2], 0, world::kCells - 1);
        const auto v = number(w[3], 0, 255);
        if (!f)
            return badNumber("floor", w[1], 0, world::kTopFloor);
        if (!c)
            return badNumber("cell", w[2], 0, world::kCells - 1);
        if (!v)
            return badNumber("tile code", w[3], 0, 255);
        game::setTile(game_, static_cast<int>(*f), static_cast<int>(*c),
                      static_cast<std::uint8_t>(*v));
        return std::nullopt;
    }
    if (w.size() == 4 && w[0] == "hero") {
        const auto f = number(w[1], 0, world::kTopFloor);
        const auto x = number(w[2], 0, world::kSide - 1);
        const auto y = number(w[3], 0, world::kSide - 1);
        if (!f)
            return badNumber("floor", w[1], 0, world::kTopFloor);
        if (!x)
            return badNumber("x", w[2], 0, world::kSide - 1);
        if (!y)
            return badNumber("y", w[3], 0, world::kSide - 1);
        game::placeHero(game_, static_cast<int>(*f), static_cast<int>(*x), static_cast<int>(*y));
        return std::nullopt;
    }
    return "set takes: status N V | tile F C V | hero F X Y";
}

std::optional<std::string> Driver::print(std::string_view arg) {
    // Each form of the command: its first word, how many words it takes, and its printer.
    struct Form {
        std::string_view what;
        std::size_t fewest;
        std::size_t most;
        Printer printer;
    };
    static constexpr Form kForms[] = {
        {"status", 1, 2, &Driver::printStatus},     {"tile", 3, 3, &Driver::printTile},
        {"floor", 2, 2, &Driver::printFloor},       {"message", 1, 1, &Driver::printMessage},
        {"dialog", 1, 1, &Driver::printDialog},     {"control", 2, 2, &Driver::printOneControl},
        {"controls", 1, 1, &Driver::printControls}, {"stack", 1, 1, &Driver::printStack},
        {"clock", 1, 1, &Driver::printClock},
    };
    const Words w = words(arg);
    for (const Form& form : kForms) {
        if (!w.empty() && w[0] == form.what && w.size() >= form.fewest && w.size() <= form.most)
            return (this->*form.printer)(w);
    }
    return "print takes: status [N] | tile F C | floor F | message | dialog | control NAME | "
           "controls | stack | clock";
}

std::optional<std::string> Driver::printStatus(const Words& w) {
    int first = 0;
    int last = world::kStatusBlockWords - 1;
    if (w.size() == 2) {
        const auto n = number(w[1], 0, last);
        if (!n)
            return badNumber("slot", w[1], 0, last);
        first = last = static_cast<int>(*n);
    }
    for (int n = first; n <= last; ++n)
        out_ << "status[" << n << "]=" << game_.status[n] << '\n';
    return std::nullopt;
}

std::optional<std::string> Driver::printTile(const Words& w) {
    const auto f = number(w[1], 0, world::kTopFloor);
    const auto c = number(w[2], 0, world::kCells - 1);
    if (!f)
        return badNumber("floor", w[1], 0, world::kTopFloor);
    if (!c)
        return badNumber("cell", w[2], 0, world::kCells - 1);
    out_ << "tile[" << *f << "][" << *c
         << "]=" << int(game_.map.tile(static_cast<int>(*f), static_cast<int>(*c))) << '\n';
    return std::nullopt;
}

std::optional<std::string> Driver::printFloor(const Words& w) {
    const auto f = number(w[1], 0, world::kTopFloor);
    if (!f)
        return badNumber("floor", w[1], 0, world::kTopFloor);
    for (int y = 0; y < world::kSide; ++y) {
        for (int x = 0; x < world::kSide; ++x)
            out_ << (x ? " " : "")
                 << int(game_.map.tile(static_cast<int>(*f), world::cellOf(x, y)));
        out_ << '\n';
    }
    return std::nullopt;
}

std::optional<std::string> Driver::printMessage(const Words&) {
    const window::Control* edit = game_.window.main.find(window::names::Edit8);
    out_ << "message=" << (edit ? oneLine(edit->text) : std::string()) << '\n';
    return std::nullopt;
}

std::optional<std::string> Driver::printDialog(const Words&) {
    window::Window& main = game_.window.main;
    const window::Control* box = main.find(window::names::RichEdit1);
    out_ << "dialog=" << (box && box->visible ? oneLine(box->text) : std::string()) << '\n';
    for (const auto& c : main.controls) {
        if (c.kind == window::ControlKind::Button && c.visible) {
            out_ << "button " << c.name << '=' << oneLine(c.text) << '\n';
        }
    }
    return std::nullopt;
}

std::optional<std::string> Driver::printOneControl(const Words& w) {
    const QualifiedName q = resolve(game_.window, w[1]);
    const window::Control* c = q.window ? q.window->find(q.control) : nullptr;
    if (!c)
        return "unknown control \"" + std::string(w[1]) + "\"";
    printControl(std::string(w[1]), *c);
    return std::nullopt;
}

std::optional<std::string> Driver::printStack(const Words&) {
    const script::CommandStack& stack = game_.explore.stack;
    out_ << "stacktop=" << stack.size() << '\n';
    for (int n = stack.size(); n >= 1; --n) {
        const auto& e = stack.at(n);
        out_ << "stack[" << n << "]=" << e.code << ' ' << e.arg1 << ' ' << e.arg2 << '\n';
    }
    return std::nullopt;
}

std::optional<std::string> Driver::printClock(const Words&) {
    out_ << "clock=" << clock_.now() << '\n';
    return std::nullopt;
}

void Driver::printControl(const std::string& name, const window::Control& c) {
    out_ << "control " << name << " visible=" << flag(c.visible) << " enabled=" << flag(c.enabled)
         << " text=" << oneLine(c.text) << '\n';
}

std::optional<std::string> Driver::printControls(const Words&) {
    auto printWindow = [&](const window::Window& w, const std::string& prefix) {
        for (const auto& c : w.controls)
            printControl(prefix + c.name, c);
    };
    printWindow(game_.window.main, "");
    for (const auto& [name, w] : game_.window.secondary)
        printWindow(w, name + ".");
    for (const auto& m : game_.window.main.menu) {
        out_ << "menu " << withoutAccessMarks(m.path) << " checked=" << flag(m.checked)
             << " enabled=" << flag(m.enabled) << '\n';
    }
    return std::nullopt;
}

std::optional<std::string> Driver::saveGame(std::string_view arg) {
    if (arg.empty())
        return "save-game takes a file name";
    return game::saveGameTo(game_, std::string(arg));
}

std::optional<std::string> Driver::saveScreen(std::string_view arg) {
    if (arg.empty())
        return "save-screen takes a file name";
    return io::writeBytes(std::string(arg), render::encodeBmp24(game_.window.main.screen));
}

// The window answers a hint when its search ends; the driver waits for it, on no clock.
void Driver::answerHint() {
    if (!game_.extras.hintWanted || !hint_)
        return;
    game_.extras.hintWanted = false;
    extras::showExtraMessage(game_, hint_(game_));
}

bool Driver::run() {
    answerHint();
    return game::settle(game_, clock_);
}

void Driver::wait(std::int64_t ms) {
    answerHint();
    game::playTimers(game_, clock_, clock_.now() + ms, false);
}

} // namespace replay
