#include "persist/loaded_values.h"
#include "persist/saved_games.h"
#include "persist_fixture.h"
#include "platform/recording_sound.h"
#include "script/input_lock.h"
#include "sound/tables.h"

#include <climits>
#include <filesystem>
#include <functional>

using namespace world;
using persist_test::PersistTest;
using testing_shell::fileBytes;
using testing_shell::writeFile;

namespace {

class SavedGames : public PersistTest {
  protected:
    void SetUp() override {
        PersistTest::SetUp();
        holdOrbOfHero();
    }

    // The Save menu opens only while the hero holds the Orb of Hero.
    void holdOrbOfHero() {
        game.status[Slot::OrbOfHero] = 1;
        script::itemlive(game);
    }

    // A game well under way: keys, gold, a changed floor that the hero never saw.
    void playSome() {
        testing_game::setSlots(game.status, {{Slot::Gold, 1234},
                                             {Slot::YellowKeys, 3},
                                             {Slot::Floor, 7},
                                             {Slot::HeroX, 4},
                                             {Slot::HeroY, 2},
                                             {Slot::RecordViewing, 1}});
        game.map.setTile(44, 60, 6);
    }

    // A load from the slot behind `entry` is refused with the game's own box, and the game in
    // play stays exactly as it was.
    void expectRefusedLoad(const std::string& entry) {
        const Status before = game.status;
        const TowerMap beforeMap = game.map;
        const int heroCell = game.heroCell;
        menu(entry);
        EXPECT_EQ(platform.messages, std::vector<std::string>{"Donot use this save data."});
        EXPECT_EQ(game.status.words, before.words);
        EXPECT_EQ(game.map.bytes, beforeMap.bytes);
        EXPECT_EQ(game.heroCell, heroCell);
    }

    std::vector<int> checkedSlots(const std::string& menu) {
        std::vector<int> checked;
        for (int n = 1; n <= io::kSaveSlots; ++n)
            if (game.window.main.menuItem(menu + "/Data &" + std::to_string(n)).checked)
                checked.push_back(n);
        return checked;
    }

    // Save the game as it stands into slot 1's file and damage it with `damage`; the slot
    // then holds what a player might find on disk.
    template <typename Damage> void damagedSlot(Damage damage) {
        Status other = game.status;
        other[Slot::Gold] = 999;
        io::stampChecksums(other);
        auto image = io::toImage(game.map, other);
        std::vector<unsigned char> bytes(image.begin(), image.end());
        damage(bytes);
        writeFile(savePath("save1.dat"), std::string(bytes.begin(), bytes.end()));
    }
};

TEST_F(SavedGames, ASavedGameLoadsBackEveryFloorAndEveryWord) {
    playSome();
    ASSERT_TRUE(menu("&Game/&Save/Data &3"));
    EXPECT_EQ(messageLine(), "Saved the data.");
    EXPECT_TRUE(platform.questions.empty()); // a new file is written without a question
    EXPECT_EQ(fileBytes(savePath("save3.dat")).size(), 6957u);
    EXPECT_EQ(checkedSlots("&Game/&Save"), std::vector<int>{3});
    const Status saved = game.status;
    const TowerMap savedMap = game.map;
    EXPECT_TRUE(io::isValid(saved)); // saving stamped the sums

    explore::gameover(game);
    ASSERT_NE(game.status.words, saved.words);
    ASSERT_TRUE(menu("&Game/&Load/Data &3"));
    for (int n = 0; n < kStatusBlockWords; ++n)
        EXPECT_EQ(game.status[n], saved[n]) << "word " << n;
    EXPECT_EQ(game.map.bytes, savedMap.bytes);
    EXPECT_EQ(game.heroCell, cellOf(4, 2)); // the loaded game is set up for play
    EXPECT_EQ(messageLine(), "Loaded the data.");
    EXPECT_EQ(checkedSlots("&Game/&Load"), std::vector<int>{3});
    EXPECT_TRUE(game.window.main.menuItem("&Game/&Load").enabled); // input open again
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SavedGames, EachSlotHasItsOwnFileAndCheckMark) {
    menu("&Game/&Save/Data &1");
    game.status[Slot::Gold] = 77;
    menu("&Game/&Save/Data &8");
    EXPECT_EQ(checkedSlots("&Game/&Save"), std::vector<int>{8});
    EXPECT_EQ(savedGame("save1.dat")->status[Slot::Gold], 0);
    EXPECT_EQ(savedGame("save8.dat")->status[Slot::Gold], 77);
    menu("&Game/&Load/Data &1");
    EXPECT_EQ(game.status[Slot::Gold], 0);
    menu("&Game/&Load/Data &8");
    EXPECT_EQ(game.status[Slot::Gold], 77);
    EXPECT_EQ(checkedSlots("&Game/&Load"), std::vector<int>{8});
}

TEST_F(SavedGames, LoadingAnEmptySlotOnlySaysSo) {
    playSome();
    const Status before = game.status;
    menu("&Game/&Load/Data &5");
    EXPECT_EQ(messageLine(), "There is no saving data.");
    EXPECT_EQ(game.status.words, before.words);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(checkedSlots("&Game/&Load"), std::vector<int>{5});
}

TEST_F(SavedGames, ADamagedFileIsRefusedAndTheGameInPlayStays) {
    using Bytes = std::vector<unsigned char>;
    const std::vector<std::pair<const char*, void (*)(Bytes&)>> damages = {
        {"one byte of the status", [](Bytes& b) { b[6273 + 4 * 20 + 1] ^= 0x10; }},
        {"one byte of the sums", [](Bytes& b) { b[6929] ^= 1; }},
        {"one byte short", [](Bytes& b) { b.pop_back(); }},
        {"one byte long", [](Bytes& b) { b.push_back(0); }},
        {"empty", [](Bytes& b) { b.clear(); }},
        {"another version",
         [](Bytes& b) {
             Status s = Status::fromBytes(std::span<const std::uint8_t, kStatusBlockBytes>(
                 b.data() + kTowerBytes, kStatusBlockBytes));
             s[Slot::SaveMarker] = -3;
             io::stampChecksums(s); // right sums, wrong marker
             const auto block = s.toBytes();
             std::copy(block.begin(), block.end(), b.begin() + kTowerBytes);
         }},
    };
    playSome();
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        platform.messages.clear();
        damagedSlot(damage);
        expectRefusedLoad("&Game/&Load/Data &1");
        // The scratch copy written before the load holds the game in play.
        EXPECT_EQ(savedGame("save0.dat")->status.words, game.status.words);
    }
}

// A file with right sums and marker whose one value play could never have written: each would
// otherwise index past a table, a floor or the tower, or overflow a count.
TEST_F(SavedGames, AWholeFileWithAnImpossibleValueIsRefusedAndTheGameInPlayStays) {
    using io::LoadedGame;
    const auto slot = [](int n, std::int32_t v) {
        return [n, v](LoadedGame& g) { g.status[n] = v; };
    };
    const std::vector<std::pair<const char*, std::function<void(LoadedGame&)>>> crafted = {
        {"floor 99", slot(Slot::Floor, 99)},
        {"floor -1", slot(Slot::Floor, -1)},
        {"floor 51", slot(Slot::Floor, 51)},
        {"hero x 20", slot(Slot::HeroX, 20)},
        {"hero x -1", slot(Slot::HeroX, -1)},
        {"hero y 15 on floor 50",
         [](LoadedGame& g) {
             g.status[Slot::Floor] = 50;
             g.status[Slot::HeroX] = 10;
             g.status[Slot::HeroY] = 15;
         }},
        {"highest floor 51", slot(Slot::HighestFloor, 51)},
        {"facing 0", slot(Slot::Facing, 0)},
        {"facing 5", slot(Slot::Facing, 5)},
        {"a track with no music", slot(Slot::MusicTrack, 4)},
        {"a negative track", slot(Slot::MusicTrack, -5)},
        {"sword grade 6", slot(Slot::SwordGrade, 6)},
        {"shield grade -1", slot(Slot::ShieldGrade, -1)},
        {"negative keys", slot(Slot::RedKeys, -2)},
        {"keys with no room for one more", slot(Slot::YellowKeys, INT32_MAX)},
        {"a negative altar count", slot(Slot::AltarOfferings, -1)},
        {"Orb of Hero 3", slot(Slot::OrbOfHero, 3)},
        {"an item held twice", slot(Slot::MagicKey, 2)},
        {"four transfers left", slot(Slot::TransferArticle, 4)},
        {"ranking place 11", slot(Slot::FairyPlace, 11)},
        {"ranking list 6", slot(Slot::FairyList, 6)},
        {"lap level 42", slot(Slot::LapLevel, 42)},
        {"lap level at the top of the range", slot(Slot::LapLevel, INT32_MAX)},
        {"keep progress 2", slot(Slot::KeepProgress, 2)},
        {"flight direction 3", slot(Slot::FlightDirection, 3)},
        {"start-staircase mark 3", slot(Slot::StartStairs, 3)},
        {"octopus counter at the top", slot(Slot::OctopusEffect, INT32_MAX)},
        {"an arrival cell off the floor",
         [](LoadedGame& g) { g.map.bytes[TowerMap::arrivalUpOffset(30)] = 121; }},
        {"a down arrival cell off the floor",
         [](LoadedGame& g) { g.map.bytes[TowerMap::arrivalUpOffset(50) + 1] = 255; }},
    };
    playSome();
    for (const auto& [what, craft] : crafted) {
        SCOPED_TRACE(what);
        platform.messages.clear();
        LoadedGame file{game.map, game.status};
        file.status[Slot::Gold] = 999;
        craft(file);
        io::stampChecksums(file.status);
        ASSERT_TRUE(io::isValid(file.status)); // the sums alone let it through
        const auto image = io::toImage(file.map, file.status);
        writeFile(savePath("save2.dat"), std::string(image.begin(), image.end()));

        expectRefusedLoad("&Game/&Load/Data &2");
        EXPECT_TRUE(game.window.main.menuItem("&Game/&Load").enabled); // input open again
    }
}

// The far ends of every range are games that play can reach, and load.
TEST_F(SavedGames, TheEdgesOfEveryRangeStillLoad) {
    testing_game::setSlots(game.status, {{Slot::Floor, 50},
                                         {Slot::HighestFloor, 50},
                                         {Slot::HeroX, 10},
                                         {Slot::HeroY, 0},
                                         {Slot::Facing, 2},
                                         {Slot::MusicTrack, 20},
                                         {Slot::LapLevel, kLaterLap},
                                         {Slot::KeepProgress, 1},
                                         {Slot::OrbOfHero, 2},
                                         {Slot::TransferArticle, 3},
                                         {Slot::FairyPlace, 10},
                                         {Slot::FairyList, 5},
                                         {Slot::BlueKeys, 200},
                                         {Slot::FlightDirection, 2},
                                         {Slot::StartStairs, 2}});
    game.map.bytes[TowerMap::arrivalUpOffset(50)] = 120;
    EXPECT_TRUE(persist::validateLoadedValues({game.map, game.status}));
    game.status[Slot::OrbOfHero] = 1; // the Save menu needs the orb held
    script::itemlive(game);
    menu("&Game/&Save/Data &6");
    menu("&Game/&Load/Data &6");
    EXPECT_EQ(messageLine(), "Loaded the data.");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SavedGames, OverwritingAsksFirstAndNoKeepsTheFile) {
    menu("&Game/&Save/Data &2");
    const auto first = fileBytes(savePath("save2.dat"));
    game.status[Slot::Gold] = 500;
    game.messageSelector = 0;

    platform.yesNo = {false};
    menu("&Game/&Save/Data &2");
    EXPECT_EQ(platform.questions, std::vector<std::string>{"Overwrite. Is it true?"});
    EXPECT_EQ(fileBytes(savePath("save2.dat")), first);
    EXPECT_EQ(game.messageSelector, 0); // no message at all
    EXPECT_TRUE(platform.messages.empty());

    platform.yesNo = {true};
    menu("&Game/&Save/Data &2");
    EXPECT_EQ(savedGame("save2.dat")->status[Slot::Gold], 500);
    EXPECT_EQ(messageLine(), "Saved the data.");
}

TEST_F(SavedGames, AFolderThatCannotBeWrittenIsToldAndLeavesNothingBehind) {
    writeFile(scratch.path("plain-file"), "x");
    game.folders.save = scratch.path("plain-file/savedat"); // below a file: nothing can go there
    menu("&Game/&Save/Data &1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Cannot write"), std::string::npos);
    EXPECT_NE(messageLine(), "Saved the data.");
    EXPECT_TRUE(game.window.main.menuItem("&Game/&Load").enabled); // input open again
}

TEST_F(SavedGames, ALoadKeepsTheGameInSaveZeroFirst) {
    playSome();
    menu("&Game/&Save/Data &4");
    game.status[Slot::Gold] = 4321; // not saved: the sums stay those of the save
    menu("&Game/&Load/Data &4");
    const auto scratchCopy = savedGame("save0.dat");
    ASSERT_TRUE(scratchCopy);
    EXPECT_EQ(scratchCopy->status[Slot::Gold], 4321);
    EXPECT_FALSE(io::isValid(scratchCopy->status)); // written as it stood, sums unstamped
    EXPECT_EQ(game.status[Slot::Gold], 1234);
}

TEST_F(SavedGames, WithMusicOnALoadStopsTheMusicAndPlaysTheLoadedFloorsTrack) {
    sound::RecordingSound sound;
    game.setSound(&sound);
    const auto trackOf = [](int floor) {
        return "music " + std::string(sound::trackFile(sound::floorTrack(floor)));
    };
    menu("&Options/&BGM On");
    game.status[Slot::Floor] = 12;
    menu("&Game/&Save/Data &1");
    game.status[Slot::Floor] = 3;
    sound.calls.clear();
    menu("&Game/&Load/Data &1");
    EXPECT_EQ(sound.calls.front(), "stop music"); // before the file is read
    EXPECT_EQ(sound.calls.back(), trackOf(12));
    game.status[Slot::Floor] = 3;
    menu("&Game/&Load/Data &7"); // an empty slot: the music of the floor in play again
    EXPECT_EQ(sound.calls.back(), trackOf(3));
    EXPECT_NE(trackOf(3), trackOf(12));
}

TEST_F(SavedGames, ALoadEndsTheOpeningAndStartsTheAnimation) {
    menu("&Game/&Save/Data &1");
    game.window.timer("Timer4").enabled = true;
    game.window.timer("Timer1").enabled = false;
    menu("&Game/&Load/Data &1");
    EXPECT_FALSE(game.window.timer("Timer4").enabled);
    EXPECT_TRUE(game.window.timer("Timer1").enabled);
    EXPECT_EQ(messageLine(), "Loaded the data.");
}

} // namespace
