#include "world/catalogue.h"
#include "world/formats.h"

#include <gtest/gtest.h>

using world::catalogueLine;

TEST(Catalogue, HasExactly268LinesWithTheEmptyOnesWhereTheGameNeedsThem) {
    int empty = 0;
    for (int n = 0; n < world::kCatalogueLines; ++n) {
        const bool isEmpty = catalogueLine(n).empty();
        EXPECT_EQ(isEmpty, world::catalogueLineMayBeEmpty(n)) << "line " << n;
        empty += isEmpty ? 1 : 0;
    }
    EXPECT_EQ(empty, 8);
    EXPECT_TRUE(catalogueLine(268).empty());
    EXPECT_TRUE(catalogueLine(-1).empty());
}

TEST(Catalogue, KeepsLeadingSpacesAndFixedTexts) {
    EXPECT_EQ(catalogueLine(166), " points up!");
    EXPECT_EQ(catalogueLine(213), " F");
    EXPECT_EQ(catalogueLine(198), " The lava congealed and made a road.");
    EXPECT_EQ(catalogueLine(92), "You have lost your vital power. Please challenge again!");
    EXPECT_EQ(catalogueLine(93), "The Name");
    EXPECT_EQ(catalogueLine(94), "Green Slime");
    EXPECT_EQ(catalogueLine(126), "Gate-Keeper A");
    EXPECT_EQ(catalogueLine(143), "Don't have a key of the door.");
    EXPECT_EQ(catalogueLine(157), "Got a Iron Shield. The defensive power is");
    EXPECT_EQ(catalogueLine(260), "Loaded the data.");
    EXPECT_EQ(catalogueLine(0), "------");
    EXPECT_EQ(catalogueLine(2), "------ Hey! Wake up!");
    EXPECT_EQ(catalogueLine(25), "Oh! What? This is a doll!");
}

TEST(Catalogue, ComposedPickUpReadsAsOneSentence) {
    const std::string text =
        std::string(catalogueLine(162)) + " 50" + std::string(catalogueLine(166));
    EXPECT_EQ(text, "Got the red elixir. The vital power is 50 points up!");
}
