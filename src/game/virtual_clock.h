// A virtual clock: it fires the model's timers in order of their due times without ever
// sleeping, the way the window's event loop would fire them in real time. The headless
// driver plays its scripts on it, and the route finder plays every move on it.
#pragma once

#include "window/window_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace game {

struct Game;

class VirtualClock {
  public:
    std::int64_t now() const { return now_; }

    // Brings the schedule in line with the model: a timer that was switched on, or whose
    // interval changed while it ran, starts counting from now (as a restarted timer does).
    void sync(const window::WindowModel& model);

    // The timer due first at or before `limit` (ties go to the earlier timer of the model),
    // or nothing. Moves the clock to its due time and schedules its next tick.
    std::optional<std::string> takeNext(const window::WindowModel& model, std::int64_t limit);

    void advanceTo(std::int64_t t) { now_ = t; }

  private:
    struct Schedule {
        std::string timer;
        bool enabled = false;
        int interval = 0;
        std::int64_t due = 0;
    };
    // The schedule of the model's n-th timer, made when first asked for.
    Schedule& scheduleOf(const window::WindowModel& model, std::size_t n);

    // By timer name, in the order the timers were first seen: the model's timers seldom
    // change, so the n-th schedule is nearly always the n-th timer's (looked up on every tick).
    std::vector<Schedule> schedules_;
    std::int64_t now_ = 0;
};

// The timers of the game played on the clock up to `limit`, each tick in the order it falls
// due. With `untilIdle` the play stops as soon as the command timer has stopped (its script
// ran out or a dialog waits), which is where the player's input opens again. The clock ends
// at `limit` when it ran that far.
void playTimers(Game& game, VirtualClock& clock, std::int64_t limit, bool untilIdle);

// True when the command timer has stopped: nothing plays until the player acts.
bool commandTimerStopped(const Game& game);

// Plays what the last key, click or answer started until input opens again or a dialog
// waits; false when the game is still busy after a day of virtual time.
bool settle(Game& game, VirtualClock& clock);

} // namespace game
