#include "game/virtual_clock.h"

#include <gtest/gtest.h>

using game::VirtualClock;

namespace {

window::WindowModel twoTimers(int first, int second) {
    window::WindowModel m;
    m.timers = {{"Timer1", true, first}, {"Timer2", true, second}};
    return m;
}

// Fires every timer due up to `limit` and returns their names in firing order.
std::string fireUntil(VirtualClock& clock, window::WindowModel& m, std::int64_t limit) {
    std::string order;
    clock.sync(m);
    while (auto name = clock.takeNext(m, limit))
        order += name->back();
    return order;
}

} // namespace

TEST(VirtualClock, FiresDueTimersInTimeOrderWithTiesToTheEarlierTimer) {
    auto m = twoTimers(150, 100);
    VirtualClock clock;
    EXPECT_EQ(fireUntil(clock, m, 300), "21212");
    EXPECT_EQ(clock.now(), 300);
}

TEST(VirtualClock, ATimerSwitchedOnOrRetimedCountsFromNow) {
    auto m = twoTimers(100, 100);
    m.timers[1].enabled = false;
    VirtualClock clock;
    EXPECT_EQ(fireUntil(clock, m, 250), "11");
    m.timers[1].enabled = true; // started at 200, the time of the last tick
    EXPECT_EQ(fireUntil(clock, m, 300), "12");
    m.timers[0].intervalMs = 10; // a new interval restarts the count
    EXPECT_EQ(fireUntil(clock, m, 330), "111");
    EXPECT_EQ(clock.now(), 330);
}

TEST(VirtualClock, AStoppedTimerNeverFires) {
    auto m = twoTimers(100, 100);
    m.timers[0].enabled = false;
    m.timers[1].enabled = false;
    VirtualClock clock;
    EXPECT_EQ(fireUntil(clock, m, 10000), "");
}
