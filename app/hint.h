// "E&xtras/&Hint" in the window: a short search from the game as it stands for the next way
// on, on a thread of its own so that the window never waits, and the message line says what
// the hero does first.
#pragma once

#include "solve/hint_search.h"
#include "solve/player.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace shell {

class TKRN10;

class HintSeeker : public QObject {
  public:
    explicit HintSeeker(TKRN10& window) : window_(window) {}
    ~HintSeeker() override; // stops a search that still runs and waits for it
    HintSeeker(const HintSeeker&) = delete;
    HintSeeker& operator=(const HintSeeker&) = delete;

    // Starts a search when the game asked for a hint and none runs yet.
    void startIfWanted();

  private:
    // Back on the window's thread: the hint, unless the game moved on meanwhile.
    void show(const solve::Position& searched, const std::string& text);

    TKRN10& window_;
    std::atomic<bool> stop_ = false;
    std::thread worker_;
    std::unique_ptr<solve::Player> player_; // the search's game, started once, used by the worker
};

} // namespace shell
