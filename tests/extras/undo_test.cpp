// Taking moves back and playing them again, on the real game through the headless driver:
// moves of every kind across the first lap, a death, a thousand moves in a row, the switch
// and the menu, and a recorded game with undos played back.
#include "extras/inputs.h"
#include "extras/recorder.h"
#include "extras/undo.h"
#include "io/saved_game.h"
#include "platform/recording_sound.h"
#include "replay/driver.h"
#include "replay/script_platform.h"
#include "state/key.h"
#include "support/scratch.h"
#include "window/names.h"
#include "world/status.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

using namespace world;
using testing_shell::ScratchFolder;

class UndoTest : public ::testing::Test {
  protected:
    ScratchFolder scratch;
    std::ostringstream out;
    std::ostringstream err;
    game::Game game;
    replay::ScriptPlatform platform{out, err};
    replay::Driver driver{game, platform, out};

    void SetUp() override {
        testing_shell::setUpGame(game, scratch, GRAVENHOLD_GAME_DIR);
        game.setPlatform(&platform);
        replay::startUpForScripts(game, false);
    }

    io::SaveImage image() const { return io::toImage(game.map, game.status); }
    static io::SaveImage imageOf(const extras::UndoPosition& p) {
        return io::toImage(p.map, p.status);
    }

    void play(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines)
            ASSERT_EQ(driver.execute(line).value_or("ok"), "ok") << line;
    }
};

// The game as Save writes it: the start save of a recording has its sums stamped.
io::SaveImage saved(const game::Game& game) {
    world::Status status = game.status;
    io::stampChecksums(status);
    return io::toImage(game.map, status);
}

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::filesystem::path> lapSegments() {
    std::vector<std::filesystem::path> files;
    for (const auto& e :
         std::filesystem::directory_iterator(GRAVENHOLD_SOURCE_DIR "/tests/scenarios")) {
        const std::string name = e.path().filename().string();
        if (name.rfind("walkthrough_", 0) == 0 && e.path().extension() == ".txt")
            files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// What kind of move led from one position to the next, told by what changed and by the
// inputs that made it.
std::string kindOf(const io::SaveImage& a, const io::SaveImage& b, const std::string& inputs) {
    const auto before = io::fromImage(a)->status;
    const auto after = io::fromImage(b)->status;
    const auto keys = [](const Status& s) {
        return s[Slot::YellowKeys] + s[Slot::RedKeys] + s[Slot::BlueKeys];
    };
    if (inputs.find("click Image4\n") != std::string::npos)
        return "flight";
    if (inputs.find("click Image") != std::string::npos)
        return "item used";
    if (after[Slot::AltarOfferings] != before[Slot::AltarOfferings])
        return "altar prayer";
    if (after[Slot::Gold] < before[Slot::Gold])
        return "purchase";
    if (after[Slot::Floor] != before[Slot::Floor])
        return "floor change";
    if (after[Slot::Gold] > before[Slot::Gold])
        return "fight";
    if (keys(after) < keys(before))
        return "door";
    if (!std::equal(a.begin(), a.begin() + kTowerBytes, b.begin()))
        return "pick-up";
    return "step";
}

// Two saved games that differ at most in the sound switches and the sums of the last save,
// which the history takes as the same position.
bool samePosition(const io::SaveImage& a, const io::SaveImage& b) {
    for (std::size_t n = 0; n < a.size(); ++n) {
        const auto word = static_cast<int>((n - kTowerBytes) / 4);
        const bool bookkeeping =
            n >= kTowerBytes && (word == Slot::WavOff || word == Slot::MusicTrack ||
                                 word == Slot::Checksum || word == Slot::AltChecksum);
        if (!bookkeeping && a[n] != b[n])
            return false;
    }
    return true;
}

// The whole first lap, its moves taken back and played again as they are made (the first two
// of each kind, then every twenty-fifth): the undo gives back the saved game of the moment
// before the move byte for byte, the redo the one after it, and the lap plays on into the
// second lap printing exactly what it prints without undos.
TEST_F(UndoTest, MovesOfEveryKindAreTakenBackAndPlayedAgainAcrossTheFirstLap) {
    const std::vector<std::string> everyKind{"step",    "fight",     "door",
                                             "pick-up", "purchase",  "altar prayer",
                                             "flight",  "item used", "floor change"};
    std::string expected;
    std::map<std::string, int> kinds;
    std::string inputs;
    int moves = 0;
    int checked = 0;
    bool forgotten = false;
    io::SaveImage before = image();
    for (const auto& segment : lapSegments()) {
        for (const std::string& line : linesOf(segment)) {
            ASSERT_EQ(driver.execute(line).value_or("ok"), "ok") << segment << ": " << line;
            inputs += line + "\n";
            const auto& past = game.extras.undoPast;
            forgotten = forgotten || past.size() == 1;
            if (past.empty())
                continue;
            const io::SaveImage after = imageOf(past.back());
            if (past.size() < 2 || samePosition(after, before)) {
                before = after;
                continue;
            }
            ASSERT_EQ(image(), after);
            ASSERT_EQ(imageOf(past[past.size() - 2]), before) << line;
            const std::string kind = kindOf(before, after, inputs);
            if (kinds[kind] < 2 || ++moves % 25 == 0) {
                ASSERT_TRUE(extras::undo(game)) << line;
                ASSERT_EQ(image(), before) << segment << ": undo after " << line;
                ASSERT_TRUE(extras::redo(game)) << line;
                ASSERT_EQ(image(), after) << segment << ": redo after " << line;
                ++kinds[kind];
                ++checked;
            }
            inputs.clear();
            before = after;
        }
        const auto lines =
            linesOf(segment.string().substr(0, segment.string().size() - 4) + ".expected");
        for (const std::string& l : lines)
            expected += l + "\n";
    }
    EXPECT_EQ(out.str(), expected);
    for (const auto& k : everyKind)
        EXPECT_GE(kinds[k], 2) << k;
    EXPECT_GT(checked, 150);
    EXPECT_TRUE(forgotten) << "the Ending forgets the history";
    EXPECT_EQ(game.status[Slot::LapLevel], kLaterLap);
}

// A fight the hero cannot survive ends the game and a new one begins; the undo brings him back
// where he stood before it.
TEST_F(UndoTest, AnUndoBringsTheHeroBackFromDeath) {
    play({"set status 0 10", "set tile 1 104 133"}); // a Golden Knight above him
    const io::SaveImage beforeFight = image();
    play({"key up", "run"});
    while (game.window.main.control(window::names::Button1).visible)
        play({"click Button1", "run"});
    ASSERT_NE(image(), beforeFight) << "he fell and a new game began";
    play({"undo"});
    EXPECT_EQ(image(), beforeFight);
    play({"redo"});
    EXPECT_NE(image(), beforeFight);
}

// A thousand moves taken back in a row, each to the position before it; the history keeps the
// last thousand and forgets the older ones.
TEST_F(UndoTest, AThousandMovesAreTakenBackInARow) {
    std::vector<io::SaveImage> positions{image()};
    for (int n = 0; n < 1100; ++n) {
        play({n % 2 ? "key right" : "key left", "run"});
        positions.push_back(image());
    }
    ASSERT_EQ(game.extras.undoPast.size(), extras::kUndoMoves + 1);
    for (std::size_t n = 1; n <= extras::kUndoMoves; ++n) {
        play({"undo"});
        ASSERT_EQ(image(), positions[positions.size() - 1 - n]) << "undo " << n;
    }
    EXPECT_FALSE(extras::undo(game));
    for (std::size_t n = 0; n < extras::kUndoMoves; ++n)
        ASSERT_TRUE(extras::redo(game));
    EXPECT_EQ(image(), positions.back());
    // What the history holds: a thousand and one saved games with the screen of their moment.
    std::size_t bytes = 0;
    for (const auto& p : game.extras.undoPast)
        bytes += sizeof p + p.composedMessage.capacity();
    std::cout << "a history of " << extras::kUndoMoves << " moves holds " << bytes << " bytes\n";
    EXPECT_LT(bytes, 8u * 1000 * 1000);
}

// The switch is off at first: the Undo and Redo entries stay grey and take nothing back; on,
// they follow the moves; a new move forgets what was taken back; Game Start and a Load forget
// the history, a refused Load does not.
TEST_F(UndoTest, TheSwitchTheMenuAndWhatForgetsTheHistory) {
    auto entry = [&](std::string_view path) { return game.window.main.menuItem(path); };
    extras::keyDown(game, game::Key::Up);
    play({"run"});
    extras::showSwitches(game);
    EXPECT_FALSE(entry(window::Menu::AllowUndo).checked);
    EXPECT_FALSE(entry(window::Menu::Undo).enabled);
    const io::SaveImage start = image();
    ASSERT_TRUE(extras::menuCommand(game, window::Menu::Undo));
    EXPECT_EQ(image(), start);

    ASSERT_TRUE(extras::menuCommand(game, window::Menu::AllowUndo));
    EXPECT_TRUE(entry(window::Menu::AllowUndo).checked);
    EXPECT_FALSE(entry(window::Menu::Undo).enabled);
    extras::keyDown(game, game::Key::Left);
    for (int n = 0; n < 20 && !entry(window::Menu::Undo).enabled; ++n)
        extras::timerTick(game, window::names::Timer2, 0);
    ASSERT_TRUE(entry(window::Menu::Undo).enabled);
    const io::SaveImage moved = image();
    extras::menuCommand(game, window::Menu::Undo);
    EXPECT_EQ(image(), start);
    EXPECT_TRUE(entry(window::Menu::Redo).enabled);
    extras::menuCommand(game, window::Menu::Redo);
    EXPECT_EQ(image(), moved);
    extras::menuCommand(game, window::Menu::Undo);
    extras::keyDown(game, game::Key::Right); // another move: the redo is gone
    EXPECT_FALSE(entry(window::Menu::Redo).enabled);

    extras::menuCommand(game, window::Menu::kLoadSlots[0]); // no saved game: nothing changes
    EXPECT_TRUE(entry(window::Menu::Undo).enabled);
    extras::menuCommand(game, window::Menu::GameStart);
    EXPECT_FALSE(entry(window::Menu::Undo).enabled);
    EXPECT_EQ(game.extras.undoPast.size(), 1u);

    // With the music on, taking a step back keeps the floor's music playing.
    sound::RecordingSound sound;
    game.setSound(&sound);
    ASSERT_TRUE(extras::menuCommand(game, window::Menu::Music));
    play({"key left", "run"});
    sound.calls.clear();
    ASSERT_TRUE(extras::menuCommand(game, window::Menu::Undo));
    EXPECT_TRUE(game.options.music);
    EXPECT_EQ(std::count_if(sound.calls.begin(), sound.calls.end(),
                            [](const std::string& c) { return c.rfind("load ", 0) != 0; }),
              0);
    game.setSound(nullptr);

    std::ifstream ini(game.folders.config + "/extras.ini");
    std::stringstream text;
    text << ini.rdbuf();
    EXPECT_NE(text.str().find("allow-undo=1"), std::string::npos);
}

// A game recorded with undos and redos in it plays back headless to the very same game; the
// recording begins a history of its own, so it never takes back a move it does not hold.
TEST_F(UndoTest, ARecordedGameWithUndosPlaysBackToTheSamePosition) {
    extras::menuCommand(game, window::Menu::AllowUndo);
    play({"key up", "run", "key left", "run"});
    const std::string record = scratch.path("undo.rec");
    ASSERT_FALSE(extras::Recorder::start(game, record, 0));
    EXPECT_EQ(game.extras.undoPast.size(), 1u);
    std::int64_t clock = 0;
    auto input = [&](game::Key key) {
        extras::keyDown(game, key);
        while (game.window.timer(window::names::Timer2).enabled)
            extras::timerTick(game, window::names::Timer2, clock += 150);
    };
    input(game::Key::Up);
    input(game::Key::Up);
    extras::menuCommand(game, window::Menu::Undo);
    extras::menuCommand(game, window::Menu::Undo);
    extras::menuCommand(game, window::Menu::Undo); // past the recording's start: nothing
    extras::menuCommand(game, window::Menu::Redo);
    input(game::Key::Right);
    input(game::Key::Right);
    extras::menuCommand(game, window::Menu::Undo);
    const io::SaveImage ended = saved(game);
    extras::Recorder::stop(game);

    game::Game replay;
    ScratchFolder other;
    testing_shell::setUpGame(replay, other, GRAVENHOLD_GAME_DIR);
    std::ostringstream sink;
    replay::ScriptPlatform replayPlatform(sink, sink);
    replay.setPlatform(&replayPlatform);
    replay::Driver replayer(replay, replayPlatform, sink);
    replayer.setScriptFolder(scratch.path());
    replay::startUpForScripts(replay, false);
    int undos = 0;
    for (const std::string& line : linesOf(record)) {
        undos += line == "undo" || line == "redo";
        ASSERT_EQ(replayer.execute(line).value_or("ok"), "ok") << line;
    }
    EXPECT_EQ(undos, 4);

    EXPECT_EQ(saved(replay), ended);
}

} // namespace
