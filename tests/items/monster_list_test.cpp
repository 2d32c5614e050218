#include "items_fixture.h"

namespace items_test {
namespace {

class MonsterListTest : public ItemsTest {
  protected:
    void SetUp() override {
        ItemsTest::SetUp();
        // Picture n of the tile list is filled with the value n + 1.
        auto& list = game.render.imageList1.pictures;
        for (int n = 0; n < 218; ++n)
            list.emplace_back(32, 32, static_cast<render::Pixel>(n + 1));
        standOn(15, 110);
        // Eight kinds in cell order, with a repeat and a body cell of the Big Octopus.
        const std::vector<std::uint8_t> monsters = {61, 61, 97, 104, 135, 67, 63, 122, 77, 85};
        for (std::size_t n = 0; n < monsters.size(); ++n)
            setTile(static_cast<int>(n), monsters[n]);
        give(Slot::OrbOfHero);
    }
    std::string text(int edit) { return control("Edit" + std::to_string(edit)).text; }
};

TEST_F(MonsterListTest, ListsTheFirstSevenKindsMetInCellOrder) {
    click("Image6");
    const std::vector<std::string> names = {"Green Slime", "Big Octopus", "Knight",    "Bat",
                                            "Red Slime",   "Dragon",      "Skeleton C"};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(text(13 + 2 * row), names[static_cast<std::size_t>(row)]) << row;
    EXPECT_EQ(text(14), "Life 35 Offense 18 Defense 1");
    EXPECT_EQ(text(27), "Expected damage 0");
    EXPECT_EQ(text(28), "Expected damage 1120");  // Big Octopus: 15 blows, 14 strikes of 80
    EXPECT_EQ(text(32), "Impossible to attack!"); // the Dragon's defense 250
    EXPECT_EQ(control("Image24").picture.at(0, 0), 61u);
    EXPECT_EQ(control("Image25").picture.at(0, 0), 104u);

    const auto& box = control("RichEdit1");
    EXPECT_EQ(box.text, line(180));
    EXPECT_EQ(box.x, 141);
    EXPECT_EQ(box.height, 56);
    EXPECT_TRUE(box.visible && control("Panel1").visible && control("Edit33").visible);
    EXPECT_TRUE(control("Button36").focused);
    EXPECT_FALSE(game.window.timer("Timer1").enabled);
    EXPECT_FALSE(inputOpen());
}

TEST_F(MonsterListTest, ALaterLapShowsTheMultipliedStrength) {
    slot(Slot::LapLevel) = kLaterLap;
    click("Image6");
    EXPECT_EQ(text(14), "Life 1540 Offense 792 Defense 44");
    EXPECT_EQ(text(27), "Expected damage 18684"); // 28 blows, 27 strikes of 692
}

TEST_F(MonsterListTest, OkClosesTheListAndGivesThePlayFieldBack) {
    click("Image6");
    click("Button36");
    for (const char* name : {"Panel1", "Edit13", "Edit33", "Image24", "Button36", "RichEdit1"})
        EXPECT_FALSE(control(name).visible) << name;
    EXPECT_TRUE(text(13).empty());
    EXPECT_TRUE(control("Image24").picture.empty());
    const auto& box = control("RichEdit1");
    EXPECT_EQ(box.x, 129);
    EXPECT_EQ(box.height, 200);
    EXPECT_TRUE(game.window.timer("Timer1").enabled);
    EXPECT_TRUE(inputOpen());

    setTile(0, 85); // a Zombie now comes first
    click("Image6");
    EXPECT_EQ(text(13), "Zombie");
}

// Game Start while the list is open: the next game's dialogues get the large box back, and
// neither the list nor its "OK" stays over the new floor.
TEST_F(MonsterListTest, ANewGameClosesTheListLeftOpen) {
    click("Image6");
    ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Start"));
    for (const char* name : {"Panel1", "Edit13", "Image24", "Button36", "RichEdit1"})
        EXPECT_FALSE(control(name).visible) << name;
    const auto& box = control("RichEdit1");
    EXPECT_EQ(box.x, 129);
    EXPECT_EQ(box.y, 45);
    EXPECT_EQ(box.width, 382);
    EXPECT_EQ(box.height, 200);
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace items_test
