#include "hint.h"

#include "extras/inputs.h"
#include "moves.h"
#include "tkrn10.h"

#include <QMetaObject>
#include <exception>

namespace shell {
namespace {

// A hint looks this far ahead: enough for the next floors, short enough to wait for.
constexpr double kHintSeconds = 20;
constexpr int kHintBeam = 40;

} // namespace

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
        solve::SearchOptions options;
        options.seconds = kHintSeconds;
        options.beamWidth = kHintBeam;
        options.workers = 1; // the other core stays with the window
        options.stop = &stop_;
        solve::SearchResult result;
        try {
            result = solve::search(folder, searched, options);
        } catch (const std::exception&) {
            result = {}; // no hint: the message line says that none was found
        }
        QMetaObject::invokeMethod(
            this, [this, searched, result] { show(searched, result); }, Qt::QueuedConnection);
    });
}

void HintSeeker::show(const solve::Position& searched, const solve::SearchResult& result) {
    worker_.join();
    game::Game& game = window_.game();
    if (!solve::samePosition(searched, {game.map, game.status}))
        return; // the player moved on: the hint was for a game that is gone
    std::string text;
    if (result.firstMove.empty())
        text = "Hint: no win found from here, and no move leads on.";
    else if (result.won)
        text = "Hint: next, " + solve::describeMove(searched, result.firstMove) + ".";
    else
        text = "Hint: no win found from here; the furthest way on (floor " +
               std::to_string(result.floorReached) + ") starts with " +
               solve::describeMove(searched, result.firstMove) + ".";
    window_.forward([&] { extras::showExtraMessage(game, text); });
}

} // namespace shell
