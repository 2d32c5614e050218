// A driver over a game of its own, what it prints and what it complains of kept for the test.
#pragma once

#include "replay/driver.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

struct DriverFixture : ::testing::Test {
    std::ostringstream out;
    std::ostringstream err;
    game::Game game;
    replay::ScriptPlatform platform{out, err};
    replay::Driver driver{game, platform, out};

    // What the driver answers to a line: its complaint, or "ok".
    std::string error(std::string_view line) { return driver.execute(line).value_or("ok"); }

    // The driver takes every line without a complaint.
    void accept(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines)
            EXPECT_EQ(error(line), "ok") << line;
    }
};
