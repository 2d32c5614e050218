// A clock for the headless driver: it fires the model's timers in order of their due times
// without ever sleeping, the way the window's event loop would fire them in real time.
#pragma once

#include "window/window_model.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace cli {

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
        bool enabled = false;
        int interval = 0;
        std::int64_t due = 0;
    };
    std::map<std::string, Schedule, std::less<>> schedules_;
    std::int64_t now_ = 0;
};

} // namespace cli
