#include "script/script.h"
#include "state/command_stack.h"
#include "support/explore_fixture.h"
#include "world/catalogue.h"

namespace explore_test {
namespace {

using script::CommandEntry;
namespace Cmd = script::Cmd;

class ExecutorTest : public ExploreTest {
  protected:
    void start(std::initializer_list<CommandEntry> playingOrder) {
        script::Script(game, playingOrder).push(game);
        script::timer2on(game);
    }
};

TEST_F(ExecutorTest, TicksPlayOneCommandAndASecondOneIfAny) {
    // One pause: played in the first tick, which also stops the timer and reopens input.
    start({{Cmd::Pause, 0, 0}});
    EXPECT_FALSE(inputOpen());
    tick();
    EXPECT_EQ(stackTop(), 0);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(inputOpen());

    // Two entries: both in the first tick; the timer stops one tick later.
    start({{Cmd::Pause, 0, 0}, {Cmd::Pause, 0, 0}});
    tick();
    EXPECT_EQ(stackTop(), 0);
    EXPECT_TRUE(commandTimerOn());
    EXPECT_FALSE(inputOpen());
    tick();
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(inputOpen());

    // Three entries: two, then the third with the stop in the same tick.
    start({{Cmd::Pause, 0, 0}, {Cmd::Pause, 0, 0}, {Cmd::Pause, 0, 0}});
    tick();
    EXPECT_EQ(stackTop(), 1);
    tick();
    EXPECT_EQ(stackTop(), 0);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(inputOpen());
}

TEST_F(ExecutorTest, ADialogStopsTheTimerAndItsOkResumesThePlay) {
    // The dialog as the first command of a tick: the entry after it still plays.
    start({{Cmd::MessageBox, 13, 0}, {Cmd::Message, 4, 0}, {Cmd::Pause, 0, 0}});
    tick();
    EXPECT_EQ(stackTop(), 1);
    EXPECT_EQ(game.messageSelector, 4);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(game.window.main.control("RichEdit1").visible);
    EXPECT_TRUE(dialogOpen());
    EXPECT_EQ(dialogText(), world::catalogueLine(12));

    game::click(game, "Button1");
    EXPECT_EQ(slot(90 + 13), 1); // dialog 13 has been seen
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(commandTimerOn());
    tick();
    EXPECT_EQ(stackTop(), 0);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(inputOpen());

    // The dialog as the second command of a tick: everything after it waits for OK.
    start({{Cmd::Pause, 0, 0}, {Cmd::MessageBox, 5, 0}, {Cmd::Message, 4, 0}, {Cmd::Pause, 0, 0}});
    game.messageSelector = 0;
    tick();
    EXPECT_EQ(stackTop(), 2);
    EXPECT_EQ(game.messageSelector, 0);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_FALSE(inputOpen());
    // Dialog 5 goes on with a second catalogue line.
    EXPECT_EQ(dialogText(),
              std::string(world::catalogueLine(4)) + "\n" + std::string(world::catalogueLine(57)));
    game::click(game, "Button1");
    playPressingOk();
    EXPECT_EQ(game.messageSelector, 4);
    EXPECT_TRUE(inputOpen());
}

TEST_F(ExecutorTest, MaskedSpriteReadsItsPicturesFromTheEntryBeneath) {
    usePlainPictures();
    // A black mask shows the sprite over the whole cell; the pause beneath names the pictures.
    game.render.imageList1.pictures[169] = render::Picture(32, 32, render::kBlack);
    start({{Cmd::MaskedSprite, 12, 170}, {Cmd::Pause, Tile::Road, 62}});
    EXPECT_EQ(stackTop(), 2);
    tick();
    const int x = cellX(12) * 32;
    const int y = cellY(12) * 32;
    EXPECT_EQ(game.render.frameA.at(x + 5, y + 5), plainPicture(61).at(0, 0));
    // Frame B shows the sprite's second picture (a monster's frame-B step is 1).
    EXPECT_EQ(game.render.frameB.at(x + 5, y + 5), plainPicture(62).at(0, 0));
}

TEST_F(ExecutorTest, SetTileRedrawsButPutTileOnlyChangesTheMap) {
    usePlainPictures();
    const render::Picture before = game.render.frameA;
    start({{Cmd::PutTile, 13, Tile::Wall}});
    playPressingOk();
    EXPECT_EQ(tile(13), Tile::Wall);
    EXPECT_EQ(game.render.frameA, before);

    start({{Cmd::SetTile, 14, Tile::Wall}});
    playPressingOk();
    EXPECT_EQ(tile(14), Tile::Wall);
    EXPECT_EQ(game.render.frameA.at(cellX(14) * 32, cellY(14) * 32), plainPicture(7).at(0, 0));
}

TEST_F(ExecutorTest, StatusCommandsChangeLifeGoldAndSlots) {
    slot(Slot::Gold) = 10;
    slot(Slot::LuckyGold) = 1;
    start({{Cmd::Gold, 5, 0},
           {Cmd::LifeChange, 250, 0},
           {Cmd::HalveLife, 0, 0},
           {Cmd::SetStatus, Slot::RedKeys, 7}});
    playPressingOk();
    EXPECT_EQ(slot(Slot::Gold), 20); // the Lucky Gold doubles gold
    EXPECT_EQ(slot(Slot::Life), 625);
    EXPECT_EQ(slot(Slot::RedKeys), 7);
    EXPECT_EQ(game.window.main.control("Memo1").text, "625");
    EXPECT_EQ(game.window.main.control("Memo4").text, "20");
}

TEST_F(ExecutorTest, SoundEffectsPlayOnlyWhileSwitchedOn) {
    start({{Cmd::Sound, script::Effect::Open, 0}, {Cmd::Sound, script::Effect::Stairs, 0}});
    playPressingOk();
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"effect wav/open.wav", "effect wav/kai.wav"}));

    sound.calls.clear();
    slot(Slot::WavOff) = 1;
    slot(Slot::MusicTrack) = 5;
    start({{Cmd::Sound, script::Effect::Get, 0}, {Cmd::Sound, script::Effect::MusicOff, 0}});
    playPressingOk();
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"stop music"}));
}

TEST_F(ExecutorTest, LosingTheLastLifeToATrapEndsTheGame) {
    slot(Slot::Life) = 300;
    slot(Slot::Floor) = 2;
    start({{Cmd::Pause, 0, 0}, {Cmd::LifeChange, -300, 0}, {Cmd::Pause, 0, 0}, {Cmd::Pause, 0, 0}});
    tick();
    EXPECT_EQ(slot(Slot::Life), 0);
    EXPECT_EQ(slot(Slot::HeroHidden), 1);
    EXPECT_EQ(game.explore.dialogKind, explore::Dialog::GameOver);
    // Only entry 1 of the trap's script is kept; the whole game-over script lies on it.
    EXPECT_EQ(game.explore.stack.at(1), CommandEntry(Cmd::Pause, 0, 0));
    EXPECT_EQ(stackTop(), 1 + 12);
    EXPECT_TRUE(commandTimerOn());

    playPressingOk();
    // "OK" on "You have lost your vital power..." and then a new first game.
    EXPECT_EQ(floor(), 1);
    EXPECT_EQ(slot(Slot::Life), 1000);
    EXPECT_EQ(slot(Slot::HeroHidden), 0);
    EXPECT_EQ(stackTop(), 0);
    EXPECT_TRUE(inputOpen());
}

// Whichever command fells the hero, the game over plays every entry of its script: with music
// on it starts with the death track's cue, with music off with its four pauses.
TEST_F(ExecutorTest, TheGameOverPlaysEveryEntryItPushes) {
    for (const bool music : {false, true}) {
        for (const CommandEntry fall :
             {CommandEntry(Cmd::HeroFalls, 0, 0), CommandEntry(Cmd::LifeChange, -1000, 0),
              CommandEntry(Cmd::HalveLife, 0, 0)}) {
            SCOPED_TRACE(testing::Message() << "music " << music << ", code " << fall.code);
            explore::gameover(game);
            slot(Slot::Life) = fall.code == Cmd::HalveLife ? 1 : 1000;
            slot(Slot::MusicTrack) = music ? 5 : 0;
            start({{Cmd::Pause, 0, 0}, fall, {Cmd::Pause, 0, 0}});
            tick();
            ASSERT_EQ(game.explore.dialogKind, explore::Dialog::GameOver);
            const auto& stack = game.explore.stack;
            int beforeTheBox = 0;
            while (stack.at(stackTop() - beforeTheBox).code != Cmd::MessageBox)
                ++beforeTheBox;
            EXPECT_EQ(beforeTheBox, music ? 1 + 9 + 4 : 4);
            if (music) {
                EXPECT_EQ(stack.topEntry(), CommandEntry(Cmd::Sound, script::Effect::MusicOn, 0));
            }
        }
    }
}

TEST_F(ExecutorTest, GainingLifeNeverEndsTheGame) {
    slot(Slot::Life) = 0;
    start({{Cmd::LifeChange, 20, 0}});
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 20);
    EXPECT_EQ(game.explore.dialogKind, explore::Dialog::Talk);
    EXPECT_TRUE(inputOpen());
}

TEST_F(ExecutorTest, TheGameOverScriptShowsItsBoxThenStartsAFirstGame) {
    slot(Slot::LapLevel) = 43;
    slot(Slot::Floor) = 7;
    start({{Cmd::HeroFalls, 0, 0}});
    runTimer(); // up to the game-over box
    EXPECT_TRUE(dialogOpen());
    EXPECT_EQ(dialogText(), world::catalogueLine(92));
    game::click(game, "Button1");
    playPressingOk();
    EXPECT_EQ(slot(Slot::LapLevel), 0);
    EXPECT_EQ(floor(), 1);
    EXPECT_EQ(stackTop(), 0);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(inputOpen());
}

TEST_F(ExecutorTest, AFightOrderedByAScenePlaysInPlaceOfItsCommand) {
    // The monster has been slid onto the hero's own cell; it strikes first.
    setTile(heroCell(), Tile::FirstMonster);
    start({{Cmd::Special, script::Special::MonsterFirst, heroCell()}, {Cmd::Message, 4, 0}});
    playPressingOk();
    EXPECT_EQ(tile(heroCell()), Tile::Road);
    EXPECT_EQ(slot(Slot::Gold), 1);
    EXPECT_EQ(game.messageSelector, 4); // the entry beneath the order plays after the fight
    EXPECT_TRUE(inputOpen());
}

TEST_F(ExecutorTest, TheStackGrowsForScriptsLongerThanItsRoom) {
    const int n = script::kCommandStackRoom + 5000;
    for (int i = 1; i <= n; ++i)
        game.explore.stack.push({Cmd::SetStatus, Slot::Gold, i % 1000});
    EXPECT_EQ(stackTop(), n);
    EXPECT_EQ(game.explore.stack.topEntry(), CommandEntry(Cmd::SetStatus, Slot::Gold, n % 1000));
    script::timer2on(game);
    const int ticks = playPressingOk(n);
    EXPECT_EQ(ticks, n / 2 + 1);
    EXPECT_EQ(slot(Slot::Gold), 1); // the first entry pushed plays last
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace explore_test
