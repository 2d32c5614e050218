#include "world/item_table.h"

#include <gtest/gtest.h>
#include <set>
#include <string_view>

namespace Slot = world::Slot;

// Every icon and every "Use" code leads back to exactly one item, so a click or an open pair
// can never act for the wrong item.
TEST(ItemTable, IconsAndUseCodesEachNameOneItem) {
    std::set<std::string_view> icons;
    std::set<std::int32_t> uses;
    for (const world::Item& item : world::kItems) {
        EXPECT_TRUE(icons.insert(item.icon).second) << item.icon;
        EXPECT_EQ(world::itemOfIcon(item.icon), &item) << item.icon;
        if (item.use == 0)
            continue;
        EXPECT_TRUE(item.clickable) << item.name;
        EXPECT_TRUE(uses.insert(item.use).second) << item.name;
        EXPECT_EQ(world::itemInUse(item.use), &item) << item.name;
    }
    EXPECT_EQ(world::itemOfIcon("Image3"), nullptr);
    EXPECT_EQ(world::itemInUse(0), nullptr); // no pair open
    EXPECT_EQ(world::itemInUse(11), nullptr);
}

TEST(ItemTable, UsableWhileHeldOnceTheTransferArticleWhileUsesRemain) {
    world::Status s;
    const world::Item& orb = world::item(Slot::OrbOfHero - Slot::OrbOfHero);
    const world::Item& article = world::item(Slot::TransferArticle - Slot::OrbOfHero);
    EXPECT_FALSE(world::usable(s, orb));
    s[Slot::OrbOfHero] = 2; // granted, its dialog not yet closed
    EXPECT_FALSE(world::usable(s, orb));
    s[Slot::OrbOfHero] = 1;
    EXPECT_TRUE(world::usable(s, orb));
    s[Slot::TransferArticle] = 3;
    EXPECT_TRUE(world::usable(s, article));
    s[Slot::TransferArticle] = 0;
    EXPECT_FALSE(world::usable(s, article));
}
