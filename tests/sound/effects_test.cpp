// The sound effects: command 1 plays each effect's file while effects are on, the menu switch
// and its option byte.
#include "sound/tables.h"
#include "sound_fixture.h"

namespace sound_test {
namespace {

TEST_F(SoundTest, CommandOnePlaysEachEffectsFile) {
    playEffects({1, 2, 3, 4, 7, 8, 9, 0, 10, -1});
    EXPECT_EQ(sound.calls,
              (Calls{"effect wav/open.wav", "effect wav/get.wav", "effect wav/taisen.wav",
                     "effect wav/zeno.wav", "effect wav/3f.wav", "effect wav/20f.wav",
                     "effect wav/kai.wav"}));
}

TEST_F(SoundTest, WithWavSoundOffEveryEffectIsSilent) {
    choose("&Options/&Wav Sound On");
    EXPECT_FALSE(checked("&Options/&Wav Sound On"));
    EXPECT_EQ(slot(WavOff), 1);
    EXPECT_FALSE(game.options.wavSound);
    playEffects({1, 2, 3, 4, 7, 8, 9});
    EXPECT_TRUE(sound.calls.empty());

    choose("&Options/&Wav Sound On");
    EXPECT_TRUE(checked("&Options/&Wav Sound On"));
    EXPECT_EQ(slot(WavOff), 0);
    EXPECT_TRUE(game.options.wavSound);
    playEffects({9});
    EXPECT_EQ(sound.calls, (Calls{"effect wav/kai.wav"}));
}

TEST_F(SoundTest, TheFourFixedEffectsHaveAPlayerEachAndTheRestShareTheOneShot) {
    EXPECT_EQ(sound::effectPlayer("wav/open.wav"), 0);
    EXPECT_EQ(sound::effectPlayer("wav/zeno.wav"), 3);
    EXPECT_EQ(sound::effectPlayer("wav/3f.wav"), sound::kOneShotPlayer);
    EXPECT_EQ(sound::effectPlayer("wav/kai.wav"), sound::kOneShotPlayer);
    EXPECT_EQ(sound::effectPlayer("wav/unknown.wav"), sound::kOneShotPlayer);
}

} // namespace
} // namespace sound_test
