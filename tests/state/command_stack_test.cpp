// The command stack on its own: the order entries play in, the marks routines take to tell
// whether they pushed, growth past the stack's room, and the sixteen bits of every value.
#include "state/command_stack.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using script::CommandEntry;
using script::CommandStack;

TEST(CommandStack, TheLastPushedPlaysFirstAndPendingReadsFromTheBottomUp) {
    CommandStack stack;
    EXPECT_TRUE(stack.empty());
    const std::vector<CommandEntry> pushed = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    for (const CommandEntry& e : pushed)
        stack.push(e);
    EXPECT_EQ(stack.size(), 3);
    EXPECT_EQ(stack.topEntry(), pushed[2]);
    EXPECT_EQ(stack.beneath(), pushed[1]);
    EXPECT_EQ(std::vector<CommandEntry>(stack.pending().begin(), stack.pending().end()), pushed);
    stack.pop();
    EXPECT_EQ(stack.topEntry(), pushed[1]);
}

TEST(CommandStack, KeepBottomLeavesOnlyTheFirstPushedAndAnEmptyStackEmpty) {
    CommandStack stack;
    stack.keepBottom();
    EXPECT_TRUE(stack.empty());
    stack.push({1, 0, 0});
    stack.push({2, 0, 0});
    stack.push({3, 0, 0});
    stack.keepBottom();
    EXPECT_EQ(stack.size(), 1);
    EXPECT_EQ(stack.topEntry(), CommandEntry(1, 0, 0));
}

TEST(CommandStack, AMarkTellsWhetherTheCountChangedSinceItWasTaken) {
    CommandStack stack;
    stack.push({1, 0, 0});
    const CommandStack::Mark mark = stack.mark();
    EXPECT_FALSE(stack.pushedSince(mark));
    stack.push({2, 0, 0});
    EXPECT_TRUE(stack.pushedSince(mark));
    stack.pop();
    EXPECT_FALSE(stack.pushedSince(mark));
}

TEST(CommandStack, GrowsPastItsRoomKeepingEveryEntry) {
    CommandStack stack;
    const int n = script::kCommandStackRoom + 10;
    for (int i = 1; i <= n; ++i)
        stack.push({i % 30000, i / 30000, 0});
    ASSERT_EQ(stack.size(), n);
    EXPECT_EQ(stack.at(1), CommandEntry(1, 0, 0));
    EXPECT_EQ(stack.at(script::kCommandStackRoom), CommandEntry(0, 1, 0));
    EXPECT_EQ(stack.topEntry(), CommandEntry(10, 1, 0));
}

TEST(CommandStack, ArgumentsKeepSixteenBits) {
    CommandStack stack;
    stack.push({1, -8800, 70000});
    EXPECT_EQ(stack.topEntry().arg1, -8800);
    EXPECT_EQ(stack.topEntry().arg2, static_cast<std::int16_t>(70000 - 65536));
}

} // namespace
