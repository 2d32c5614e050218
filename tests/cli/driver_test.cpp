#include "driver_fixture.h"

TEST_F(DriverFixture, BadLinesAreClearErrors) {
    EXPECT_EQ(error("jump"), "unknown command \"jump\"");
    EXPECT_EQ(error("key sideways"),
              "unknown key \"sideways\" (up, down, left, right, enter, escape)");
    EXPECT_EQ(error("click NoSuchButton"), "unknown control \"NoSuchButton\"");
    EXPECT_EQ(error("click Nowhere.Button1"), "unknown control \"Nowhere.Button1\"");
    EXPECT_EQ(error("menu Game/Fly Away"), "unknown menu command \"Game/Fly Away\"");
    EXPECT_EQ(error("choose Edit8 0"), "unknown list box \"Edit8\"");
    EXPECT_EQ(error("choose DataFolder.DirectoryListBox1 -1"),
              "row \"-1\" is not a number 0..2147483647");
    EXPECT_EQ(error("choose DataFolder.DirectoryListBox1"),
              "choose takes a list box and a row: choose NAME ROW");
    EXPECT_EQ(error("set tile 51 0 6"), "floor \"51\" is not a number 0..50");
    EXPECT_EQ(error("set tile 1 121 6"), "cell \"121\" is not a number 0..120");
    EXPECT_EQ(error("set tile 1 0 256"), "tile code \"256\" is not a number 0..255");
    EXPECT_EQ(error("set hero 1 5 1x"), "y \"1x\" is not a number 0..10");
    EXPECT_EQ(error("set status 171 0"), "slot \"171\" is not a number 0..170");
    EXPECT_EQ(error("set status 0 99999999999"), "value \"99999999999\" is not a 32-bit number");
    EXPECT_EQ(error("wait -5"), "wait \"-5\" is not a number 0..86400000");
    EXPECT_EQ(error("answer maybe"), "answer takes yes, no, ok, cancel or text STRING");
    EXPECT_EQ(error("print floor"),
              "print takes: status [N] | tile F C | floor F | message | dialog | control NAME | "
              "controls | stack | clock");
    EXPECT_EQ(out.str(), "");
}

TEST_F(DriverFixture, CommentsAndBlankLinesDoNothing) {
    accept({"   # a comment", "", "print tile 1 0  # trailing comment",
            "print control About.OKButton"});
    EXPECT_EQ(error("print control Nowhere"), "unknown control \"Nowhere\"");
    EXPECT_EQ(out.str(), "tile[1][0]=0\ncontrol About.OKButton visible=1 enabled=1 text=OK\n");
}

TEST_F(DriverFixture, TheClockPrintsTheGameTimePlayed) {
    accept({"print clock", "wait 250", "wait 1000", "print clock"});
    EXPECT_EQ(out.str(), "clock=0\nclock=1250\n");
}

TEST_F(DriverFixture, SetAndPrintStateRoundTrip) {
    accept({"set status 159 43", "set status 3 -7", "set tile 50 120 14", "set hero 7 3 9",
            "print status 159", "print status 3", "print tile 50 120"});
    EXPECT_EQ(out.str(), "status[159]=43\nstatus[3]=-7\ntile[50][120]=14\n");
    EXPECT_EQ(game.status[world::Slot::Floor], 7);
    EXPECT_EQ(game.heroCell, 102);
}

TEST_F(DriverFixture, AnswersAreQueuedForTheNextBoxAndUnansweredOnesReported) {
    accept({"answer no", "answer text Sir Galahad"});
    EXPECT_FALSE(platform.askYesNo("Overwrite. Is it true?"));
    EXPECT_EQ(platform.askText("Name", "Your name?", "x"), "Sir Galahad");
    EXPECT_TRUE(platform.askYesNo("Again?"));
    EXPECT_EQ(out.str(), "question=Overwrite. Is it true? answer=no\n"
                         "input=Name: Your name? answer=Sir Galahad\n"
                         "question=Again? answer=yes\n");
    EXPECT_EQ(err.str(), "unanswered question \"Again?\": taking the default\n");
}

TEST(OneLine, LineBreaksArePrintedAsBackslashN) {
    EXPECT_EQ(replay::oneLine("a\nb\r\nc"), "a\\nb\\nc");
}

TEST_F(DriverFixture, HiddenDisabledOrClosedControlsCannotBeClicked) {
    // The Yes button is hidden until a question is asked: clicking it changes nothing.
    const auto before = game.status.words;
    EXPECT_EQ(error("click Button2"), "ok");
    EXPECT_EQ(error("click About.OKButton"), "ok"); // the About box is not open
    EXPECT_EQ(game.status.words, before);
    // "&Save" is disabled at start: its slots cannot be chosen.
    EXPECT_EQ(error("menu Game/Save/Data 1"), "ok");
    EXPECT_FALSE(game.window.main.menuItem("&Game/&Save/Data &1").checked);
}
