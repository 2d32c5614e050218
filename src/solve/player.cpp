#include "solve/player.h"

#include "extras/undo.h"
#include "persist/saved_games.h"
#include "render/controls.h"
#include "render/present.h"
#include "script/input_lock.h"
#include "window/names.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace solve {
namespace {

namespace fs = std::filesystem;

// The buttons that answer a dialogue: OK, Yes and No, the floor chooser's and the advice
// record's OK, "Use" and "Don't use", and the four choices of a merchant or the altar.
constexpr std::array<std::string_view, 11> kAnswers = {
    window::names::Button1,  window::names::Button2,  window::names::Button7,
    window::names::Button10, window::names::Button35, window::names::Button36,
    window::names::Button37, window::names::Button38, window::names::Button39,
    window::names::Button40, window::names::Button41};
constexpr std::string_view kLastChoice = window::names::Button42; // "After all, I won't do it."
constexpr std::string_view kRankingExit = window::names::ranking::ClickButton6;

} // namespace

Player::ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "gravenhold-solve-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        path = pattern;
}

Player::ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    if (!path.empty())
        fs::remove_all(path, ec);
}

Player::Player(const std::string& gameFolder)
    : game_(std::make_unique<game::Game>()), platform_(discarded_, discarded_),
      driver_(*game_, platform_, discarded_) {
    if (scratch_.path.empty())
        throw std::runtime_error("cannot make a temporary folder");
    game_->folders.game = gameFolder;
    game_->folders.save = scratch_.path;
    game_->folders.config = scratch_.path;
    game_->render.pictures = false;
    game_->setPlatform(&platform_);
    replay::startUpForScripts(*game_, false);
    game_->extras.keepMoves = false; // no move of a search is ever taken back
    extras::forgetMoves(*game_);
    newGame_ = game_->status;
}

void Player::restore(const Position& position) {
    game::Game& g = *game_;
    script::itemdel(g);
    persist::putInPlay(g, position);
    // The screen set-up of a load forgets which staircase the hero stood beside on his
    // highest floor; the position goes on from where play left it, mark included.
    g.status[world::Slot::StartStairs] = position.status[world::Slot::StartStairs];
    script::itemlive(g);
    render::setTimerRunning(g, window::names::Timer1, true);
    render::present(g);
}

bool Player::play(std::string_view line) {
    return !driver_.execute(line).has_value();
}

std::vector<std::string> Player::dialogButtons() const {
    std::vector<std::string> shown;
    const window::Window& main = game_->window.main;
    auto add = [&](std::string_view name) {
        const window::Control* c = main.find(name);
        if (c && c->visible && c->enabled)
            shown.emplace_back(name);
    };
    for (std::string_view name : kAnswers)
        add(name);
    add(kLastChoice);
    // The fairy's rating opens the Ranking window over the game; its Exit gives play back.
    const window::Window* ranking = game_->window.findWindow(window::names::Ranking);
    if (ranking && ranking->visible)
        shown.emplace_back(kRankingExit);
    // The Ending window's last picture is its button: it starts the next lap.
    if (const window::Control* button = endingButton();
        button && button->visible && button->enabled)
        shown.emplace_back(window::names::ending::ClickImage4);
    return shown;
}

const window::Control* Player::endingButton() const {
    const window::Window* ending = game_->window.findWindow(window::names::Ending);
    return ending && ending->visible ? ending->find(window::names::ending::Image4) : nullptr;
}

bool Player::endingPlaying() const {
    const window::Control* button = endingButton();
    return button && !(button->visible && button->enabled);
}

bool samePosition(const Position& a, const Position& b) {
    return a.map.bytes == b.map.bytes && a.status.words == b.status.words;
}

bool routeReaches(const std::string& gameFolder, const Position& start,
                  const std::vector<std::string>& route, const Position& end) {
    Player player(gameFolder);
    if (!samePosition(player.position(), start))
        player.restore(start);
    for (const std::string& line : route)
        if (!player.play(line))
            return false;
    return samePosition(player.position(), end);
}

} // namespace solve
