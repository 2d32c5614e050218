#include "hint.h"

#include "extras/inputs.h"
#include "tkrn10.h"

#include <QMetaObject>
#include <exception>

namespace shell {

HintSeeker::~HintSeeker() {
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

void HintSeeker::startIfWanted() {
    game::Game& game = window_.game();
    if (!game.extras.hintWanted || worker_.joinable())
        return;
    game.extras.hintWanted = false;
    const solve::Position searched{game.map, game.status};
    const std::string folder = game.folders.game;
    worker_ = std::thread([this, searched, folder] {
        std::string text;
        try {
            if (!player_)
                player_ = std::make_unique<solve::Player>(folder);
            solve::HintBudget budget; // one worker: the other core stays with the window
            budget.stop = &stop_;
            text = solve::hintFor(*player_, searched, budget).text;
        } catch (const std::exception&) {
            text = "Hint: none found.";
        }
        QMetaObject::invokeMethod(
            this, [this, searched, text] { show(searched, text); }, Qt::QueuedConnection);
    });
}

void HintSeeker::show(const solve::Position& searched, const std::string& text) {
    worker_.join();
    game::Game& game = window_.game();
    if (!solve::samePosition(searched, {game.map, game.status}))
        return; // the player moved on: the hint was for a game that is gone
    window_.forward([&] { extras::showExtraMessage(game, text); });
}

} // namespace shell
