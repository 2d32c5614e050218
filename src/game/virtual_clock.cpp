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

VirtualClock::Schedule& VirtualClock::scheduleOf(const window::WindowModel& model, std::size_t n) {
    const std::string& name = model.timers[n].name;
    if (n < schedules_.size() && schedules_[n].timer == name)
        return schedules_[n];
    const auto known = std::find_if(schedules_.begin(), schedules_.end(),
                                    [&](const Schedule& s) { return s.timer == name; });
    if (known != schedules_.end())
        return *known;
    return schedules_.emplace_back(Schedule{name});
}

void VirtualClock::sync(const window::WindowModel& model) {
    for (std::size_t n = 0; n < model.timers.size(); ++n) {
        const window::Timer& t = model.timers[n];
        Schedule& s = scheduleOf(model, n);
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
    std::optional<std::size_t> best;
    std::int64_t bestDue = 0;
    for (std::size_t n = 0; n < model.timers.size(); ++n) {
        const Schedule& s = scheduleOf(model, n);
        if (s.enabled && s.due <= limit && (!best || s.due < bestDue)) {
            best = n;
            bestDue = s.due;
        }
    }
    if (!best)
        return std::nullopt;
    now_ = bestDue;
    Schedule& s = scheduleOf(model, *best);
    s.due = now_ + effectiveInterval(s.interval);
    return s.timer;
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
