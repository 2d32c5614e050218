#include "game/virtual_clock.h"

#include "game/events.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>

namespace game {
namespace {

constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

// A timer never fires more often than once a millisecond of virtual time.
int effectiveInterval(int interval) {
    return std::max(interval, 1);
}

} // namespace

void VirtualClock::sync(const window::WindowModel& model) {
    for (const auto& t : model.timers) {
        Schedule& s = schedules_[t.name];
        if (!t.enabled) {
            s.enabled = false;
            continue;
        }
        if (!s.enabled || s.interval != t.intervalMs)
            s.due = now_ + effectiveInterval(t.intervalMs);
        s.enabled = true;
        s.interval = t.intervalMs;
    }
}

std::optional<std::string> VirtualClock::takeNext(const window::WindowModel& model,
                                                  std::int64_t limit) {
    const window::Timer* best = nullptr;
    std::int64_t bestDue = 0;
    for (const auto& t : model.timers) {
        const auto it = schedules_.find(t.name);
        if (it == schedules_.end() || !it->second.enabled || it->second.due > limit)
            continue;
        if (!best || it->second.due < bestDue) {
            best = &t;
            bestDue = it->second.due;
        }
    }
    if (!best)
        return std::nullopt;
    now_ = bestDue;
    Schedule& s = schedules_[best->name];
    s.due = now_ + effectiveInterval(s.interval);
    return best->name;
}

void playTimers(Game& game, VirtualClock& clock, std::int64_t limit, bool untilIdle) {
    for (;;) {
        clock.sync(game.window);
        if (untilIdle && commandTimerStopped(game))
            return;
        const auto name = clock.takeNext(game.window, limit);
        if (!name)
            break;
        timerTick(game, *name);
    }
    clock.advanceTo(limit);
}

bool commandTimerStopped(const Game& game) {
    const window::Timer* commandTimer = game.window.findTimer(window::names::Timer2);
    return !commandTimer || !commandTimer->enabled;
}

bool settle(Game& game, VirtualClock& clock) {
    playTimers(game, clock, clock.now() + kDayMs, true);
    return commandTimerStopped(game);
}

} // namespace game
