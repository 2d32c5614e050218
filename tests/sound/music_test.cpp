// The music: which track each floor selects, the menu switch, the loop, commands 1 and 15,
// and the music of a new or loaded game.
#include "sound/music.h"
#include "sound/switches.h"
#include "sound/tables.h"
#include "sound_fixture.h"

namespace sound_test {
namespace {

using script::Cmd::MusicRestart;
using script::Cmd::Pause;
using script::Cmd::Sound;

TEST_F(SoundTest, EachFloorRangeSelectsItsTrackAndFloorZeroNone) {
    const std::pair<int, int> floors[] = {{1, 5},  {10, 5}, {11, 6}, {20, 6}, {21, 17}, {30, 17},
                                          {31, 8}, {40, 8}, {41, 9}, {49, 9}, {50, 10}};
    for (auto [floor, track] : floors) {
        slot(Floor) = floor;
        slot(MusicTrack) = 0;
        sound::soundcheck(game);
        EXPECT_EQ(slot(MusicTrack), track) << "floor " << floor;
    }
    slot(Floor) = 0;
    slot(MusicTrack) = 12;
    sound::soundcheck(game);
    EXPECT_EQ(slot(MusicTrack), 12);
}

TEST_F(SoundTest, EveryTrackOfTheTableHasItsOwnFile) {
    for (const auto& [track, file] : sound::kTracks) {
        EXPECT_EQ(sound::trackFile(track), file);
        for (const auto& other : sound::kTracks)
            EXPECT_TRUE(other.track == track || other.file != file) << file;
    }
    EXPECT_EQ(sound::trackFile(0), "");
    EXPECT_EQ(sound::trackFile(4), "");
}

TEST_F(SoundTest, BgmOnPlaysTheFloorsTrackAndOffClosesThePlayer) {
    slot(Floor) = 12;
    choose("&Options/&BGM On");
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_EQ(slot(MusicTrack), 6);
    EXPECT_TRUE(game.options.music);
    EXPECT_EQ(sound.calls, (Calls{"stop music", "music midi/b_058xgw.mid"}));

    sound.calls.clear();
    choose("&Options/&BGM On");
    EXPECT_FALSE(checked("&Options/&BGM On"));
    EXPECT_EQ(slot(MusicTrack), 0);
    EXPECT_FALSE(game.options.music);
    EXPECT_EQ(sound.calls, (Calls{"stop music"}));
}

TEST_F(SoundTest, BgmOnOnFloorZeroSelectsNoTrackAndReplaysThePlayersLastFile) {
    slot(Floor) = 0;
    choose("&Options/&BGM On"); // nothing held yet: the player is only closed
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_EQ(slot(MusicTrack), 0);
    EXPECT_EQ(sound.calls, (Calls{"stop music"}));

    musicOnAt(45); // a track now, so the switch turns it off
    choose("&Options/&BGM On");
    slot(Floor) = 0;
    sound.calls.clear();
    choose("&Options/&BGM On");
    EXPECT_EQ(slot(MusicTrack), 0);
    EXPECT_EQ(sound.calls, (Calls{"stop music", "music midi/a_019xgw.mid"}));
}

TEST_F(SoundTest, ATrackThatEndsStartsAgainFromTheBeginning) {
    musicOnAt(3);
    game::musicEnded(game);
    game::musicEnded(game);
    EXPECT_EQ(sound.calls, (Calls{"stop music", "music midi/b_067xgw.mid", "stop music",
                                  "music midi/b_067xgw.mid"}));
}

TEST_F(SoundTest, AFilePlayedByItselfIsThePlayersFileForTheLoopAndForFloorZero) {
    musicOnAt(7);
    slot(MusicTrack) = 11;
    sound::playMusicFile(game, "midi/b_014xgw.mid");
    slot(MusicTrack) = 0;
    game::musicEnded(game);
    EXPECT_EQ(sound.calls, (Calls{"stop music", "music midi/b_014xgw.mid", "stop music",
                                  "music midi/b_014xgw.mid"}));
}

TEST_F(SoundTest, CommandFiveAndSixActOnTheMusicOnlyWhileItIsOn) {
    play({{Sound, 5, 0}, {Sound, 6, 0}, {Pause, 0, 0}});
    EXPECT_TRUE(sound.calls.empty());

    musicOnAt(25);
    slot(WavOff) = 1; // the effects switch does not silence the music commands
    play({{Sound, 6, 0}, {Sound, 5, 0}});
    EXPECT_EQ(sound.calls, (Calls{"stop music", "stop music", "music midi/b_110xgw.mid"}));
}

TEST_F(SoundTest, CommandFifteenPlaysTheNewFloorsTrack) {
    musicOnAt(20);
    slot(Floor) = 21;
    play({{MusicRestart, 0, 0}});
    EXPECT_EQ(slot(MusicTrack), 17);
    EXPECT_EQ(sound.calls, (Calls{"stop music", "music midi/b_110xgw.mid"}));
}

TEST_F(SoundTest, AScenesTrackPlaysOnlyWhileMusicIsOn) {
    sound::changeTrack(game, 12);
    EXPECT_EQ(slot(MusicTrack), 0);
    EXPECT_TRUE(sound.calls.empty());

    musicOnAt(8);
    sound::changeTrack(game, 12);
    EXPECT_EQ(slot(MusicTrack), 12);
    EXPECT_EQ(sound.calls, (Calls{"stop music", "music midi/a_085xgw.mid"}));
}

TEST_F(SoundTest, ANewGamePreparesTheFixedEffectsAndPlaysFloorOneWithBgmChecked) {
    explore::gameover(game);
    EXPECT_EQ(sound.calls, (Calls{"load wav/open.wav", "load wav/get.wav", "load wav/taisen.wav",
                                  "load wav/zeno.wav"}));

    musicOnAt(33);
    explore::gameover(game);
    EXPECT_EQ(slot(MusicTrack), 5);
    EXPECT_EQ(sound.calls.back(), "music midi/b_067xgw.mid");
}

TEST_F(SoundTest, ALoadedGameWithATrackChecksBgmAndPlaysItUnlessTheOpeningRuns) {
    slot(MusicTrack) = 13;
    game.window.timer("Timer4").enabled = true;
    explore::syokidata2(game);
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_TRUE(game.options.music);
    EXPECT_EQ(sound.calls.size(), 4u); // the effect players only

    game.window.timer("Timer4").enabled = false;
    explore::syokidata2(game);
    EXPECT_EQ(sound.calls.back(), "music midi/a_032xgw.mid");
}

} // namespace
} // namespace sound_test
