// The option block: read at start-up, applied to the menu and the controls, written by
// "Save &Option".
#include "explore/movement.h"
#include "explore/new_game.h"
#include "game/events.h"
#include "persist/options.h"
#include "state/game.h"
#include "support/game_test.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

namespace {

using testing_shell::ScratchFolder;

class Options : public GameTest {
  protected:
    void SetUp() override { testing_shell::setUpGame(game, scratch, scratch.path()); }

    std::string optionFile() const { return scratch.path("savedat/option.dat"); }
    void writeOptions(std::vector<unsigned char> bytes) {
        testing_shell::writeFile(optionFile(), std::string(bytes.begin(), bytes.end()));
    }
    int fontOf(const char* control) { return game.window.main.control(control).fontSize; }

    ScratchFolder scratch;
};

TEST_F(Options, InitializeThenSaveWritesTheInitialBlock) {
    choose("&Options/&Font/&Big");
    choose("&Options/&Wav Sound On"); // sound effects off
    choose("&Options/&Initialize Option");
    choose("&Options/Save &Option");
    EXPECT_EQ(testing_shell::fileBytes(optionFile()),
              (std::vector<unsigned char>{10, 12, 0, 2, 0, 1, 0, 0, 0, 0}));
}

TEST_F(Options, SaveWritesTheFontsInUseTheCheckedSpeedAndTheOtherBytesAsTheyStand) {
    choose("&Options/&Initialize Option");
    choose("&Options/&Font/&Tiny");
    choose("&Options/&Speed/&Low");
    choose("&Options/&Keyboard Control");
    choose("&Options/&Prologue");     // off
    choose("&Options/&Wav Sound On"); // off: byte 7 = 1
    choose("&Options/Save &Option");
    EXPECT_EQ(testing_shell::fileBytes(optionFile()),
              (std::vector<unsigned char>{8, 10, 0, 3, 1, 0, 0, 1, 0, 0}));
}

TEST_F(Options, AFontPairOfTheMenuIsCheckedAndGivenToItsControls) {
    writeOptions({9, 11, 0, 1, 0, 1, 0, 0, 0, 0});
    persist::optionload(game);
    persist::optionl1(game);
    EXPECT_TRUE(checked("&Options/&Font/&Small"));
    EXPECT_FALSE(checked("&Options/&Font/&Normal"));
    for (const char* small : {"Memo1", "Memo4", "Memo5", "Memo8"})
        EXPECT_EQ(fontOf(small), 9) << small;
    for (const char* dialog : {"Edit8", "RichEdit1", "Button39", "Button42"})
        EXPECT_EQ(fontOf(dialog), 11) << dialog;
    EXPECT_TRUE(checked("&Options/&Speed/&High"));
    EXPECT_TRUE(checked("&Options/&Mouse Control"));
}

TEST_F(Options, AFontPairOutsideTheMenuIsAppliedWithoutACheckMark) {
    writeOptions({10, 14, 0, 2, 1, 0, 1, 1, 0, 0});
    persist::optionload(game);
    persist::optionl1(game);
    for (const char* font : {"&Options/&Font/&Big", "&Options/&Font/&Normal",
                             "&Options/&Font/&Small", "&Options/&Font/&Tiny"})
        EXPECT_FALSE(checked(font)) << font;
    EXPECT_EQ(fontOf("Memo1"), 10);
    EXPECT_EQ(fontOf("Edit8"), 14);
    EXPECT_TRUE(checked("&Options/&Speed/&Middle"));
    EXPECT_TRUE(checked("&Options/&Keyboard Control"));
    EXPECT_FALSE(checked("&Options/&Prologue"));
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_FALSE(checked("&Options/&Wav Sound On"));
    EXPECT_EQ(game.status[world::Slot::WavOff], 1);
    EXPECT_EQ(game.window.timer("Timer1").intervalMs, 250);
}

TEST_F(Options, AMissingOrShortFileGivesTheBuiltInValues) {
    persist::optionload(game);
    EXPECT_EQ(game.options, game::kBuiltInOptions);

    writeOptions({12, 14, 0, 3, 1, 0});
    game.options = game::kInitialOptions;
    persist::optionload(game);
    EXPECT_EQ(game.options, game::kBuiltInOptions);
}

TEST_F(Options, OnlyTheFirstTenBytesOfALongerFileAreRead) {
    writeOptions({12, 14, 0, 3, 1, 0, 1, 1, 0, 0, 99, 99});
    persist::optionload(game);
    EXPECT_EQ(persist::optionBytes(game.options),
              (persist::OptionBlock{12, 14, 0, 3, 1, 0, 1, 1, 0, 0}));
}

TEST_F(Options, PrologueAndSoundSwitchesFlipTheirMarksAndBytes) {
    choose("&Options/&Prologue");
    EXPECT_FALSE(checked("&Options/&Prologue"));
    EXPECT_FALSE(game.options.prologue);
    choose("&Options/&Prologue");
    EXPECT_TRUE(checked("&Options/&Prologue"));

    game.status[world::Slot::Floor] = 1; // floor 0 has no music to switch off again
    choose("&Options/&BGM On");
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_TRUE(game.options.music);
    choose("&Options/&BGM On");
    EXPECT_FALSE(checked("&Options/&BGM On"));
    EXPECT_EQ(game.status[world::Slot::MusicTrack], 0);
}

TEST_F(Options, EachByteOutOfItsRangeFallsBackToItsBuiltInValue) {
    // A file of 0xFF bytes would give 255-pixel figures and a speed no entry shows.
    writeOptions(std::vector<unsigned char>(10, 0xFF));
    persist::optionload(game);
    EXPECT_EQ(game.options, game::kBuiltInOptions);
    persist::optionl1(game);
    EXPECT_EQ(fontOf("Memo1"), 10);
    EXPECT_EQ(fontOf("Edit8"), 12);
    EXPECT_TRUE(checked("&Options/&Speed/&High"));

    // Only the bad bytes are replaced: speed 0, control mode 2, a set zero byte, a reserved 7.
    writeOptions({8, 13, 5, 0, 2, 0, 1, 1, 0, 7});
    persist::optionload(game);
    EXPECT_EQ(persist::optionBytes(game.options),
              (persist::OptionBlock{8, 12, 0, 1, 0, 0, 1, 1, 0, 0}));

    // Every size of a menu pair is in range on its own, so a mixed pair is kept as read.
    writeOptions({12, 10, 0, 3, 1, 1, 0, 0, 0, 0});
    persist::optionload(game);
    EXPECT_EQ(persist::optionBytes(game.options),
              (persist::OptionBlock{12, 10, 0, 3, 1, 1, 0, 0, 0, 0}));
}

TEST_F(Options, ASaveThatCannotBeWrittenIsReported) {
    testing_shell::RecordingPlatform platform;
    game.setPlatform(&platform);
    game.folders.save = scratch.path("no/such/folder");
    choose("&Options/Save &Option");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("option.dat"), std::string::npos);
}

} // namespace

namespace {

// The menu only shows the options: marks set by hand change neither what the game does nor
// what "Save &Option" writes, and the next choice puts every mark back where the options are.
TEST_F(Options, CheckMarksSetByHandDecideNothing) {
    choose("&Options/&Initialize Option");
    choose("&Options/&Speed/&Low");
    choose("&Options/&Font/&Small");
    auto& menu = game.window.main;
    menu.menuItem("&Options/&Speed/&Low").checked = false;
    menu.menuItem("&Options/&Speed/&High").checked = true;
    menu.menuItem("&Options/&Keyboard Control").checked = true;
    menu.menuItem("&Options/&Font/&Big").checked = true;
    menu.menuItem("&Options/&BGM On").checked = true;

    const world::Status before = game.status;
    game::keyDown(game, game::Key::Left); // keys step under keyboard control only
    EXPECT_EQ(game.status.words, before.words);
    game.window.timer("Timer2").intervalMs = 10;
    explore::timerin(game);
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 350);
    choose("&Options/Save &Option");
    EXPECT_EQ(testing_shell::fileBytes(optionFile()),
              (std::vector<unsigned char>{9, 11, 0, 3, 0, 1, 0, 0, 0, 0}));

    choose("&Options/&Prologue");
    EXPECT_TRUE(checked("&Options/&Speed/&Low"));
    EXPECT_FALSE(checked("&Options/&Speed/&High"));
    EXPECT_FALSE(checked("&Options/&Keyboard Control"));
    EXPECT_TRUE(checked("&Options/&Mouse Control"));
    EXPECT_TRUE(checked("&Options/&Font/&Small"));
    EXPECT_FALSE(checked("&Options/&Font/&Big"));
    EXPECT_FALSE(checked("&Options/&BGM On"));
}

// A loaded game brings its own sound-effects switch (Status[89]): the mark shows the game's
// switch, while option.dat keeps the player's choice until the entry is used.
TEST_F(Options, ALoadedGamesEffectsSwitchShowsWithoutChangingTheSavedChoice) {
    choose("&Options/&Initialize Option");
    game.status[world::Slot::WavOff] = 1;
    explore::syokidata2(game);
    EXPECT_FALSE(checked("&Options/&Wav Sound On"));
    choose("&Options/Save &Option");
    EXPECT_EQ(testing_shell::fileBytes(optionFile())[persist::Option::WavOff], 0);

    choose("&Options/&Wav Sound On"); // the game's switch goes back on, and so does the choice
    EXPECT_TRUE(checked("&Options/&Wav Sound On"));
    EXPECT_EQ(game.status[world::Slot::WavOff], 0);
    EXPECT_TRUE(game.options.wavSound);
}

TEST(OptionBytes, EveryBlockTheMenuCanMakeReadsBackAsItself) {
    for (const game::FontSizes fonts : game::kFontPairs)
        for (const auto speed : {game::Speed::High, game::Speed::Middle, game::Speed::Low})
            for (int switches = 0; switches < 16; ++switches) {
                game::Options o;
                o.fonts = fonts;
                o.speed = speed;
                o.control = (switches & 1) ? game::ControlMode::Keyboard : game::ControlMode::Mouse;
                o.prologue = (switches & 2) != 0;
                o.music = (switches & 4) != 0;
                o.wavSound = (switches & 8) != 0;
                const persist::OptionBlock bytes = persist::optionBytes(o);
                EXPECT_EQ(persist::optionsFromBytes(bytes), o);
                EXPECT_EQ(bytes[persist::Option::Zero], 0);
                EXPECT_EQ(bytes[8] + bytes[9], 0);
            }
}

} // namespace
