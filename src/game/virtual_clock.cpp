#include "game/virtual_clock.h"

#include <algorithm>

namespace cli {
namespace {

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

} // namespace cli
