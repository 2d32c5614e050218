#include "world/catalogue.h"
#include "world/formats.h"

#include <gtest/gtest.h>
#include <utility>

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
    const std::pair<int, const char*> lines[] = {
        {166, " points up!"},
        {213, " F"},
        {198, " The lava congealed and made a road."},
        {92, "You have lost your vital power. Please challenge again!"},
        {93, "The Name"},
        {94, "Green Slime"},
        {126, "Gate-Keeper A"},
        {143, "Don't have a key of the door."},
        {157, "Got a Iron Shield. The defensive power is"},
        {260, "Loaded the data."},
        {0, "------"},
        {2, "------ Hey! Wake up!"},
        {25, "Oh! What? This is a doll!"},
    };
    for (const auto& [n, text] : lines)
        EXPECT_EQ(catalogueLine(n), text) << "line " << n;
}

TEST(Catalogue, ComposedPickUpReadsAsOneSentence) {
    const std::string text =
        std::string(catalogueLine(162)) + " 50" + std::string(catalogueLine(166));
    EXPECT_EQ(text, "Got the red elixir. The vital power is 50 points up!");
}
