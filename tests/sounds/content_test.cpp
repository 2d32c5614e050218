// The game's sound sources: one for every effect and track the game plays, each reading
// without a mistake, effects short and music loops of a fair length.
#include "recipe.h"
#include "score.h"
#include "sound/tables.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// The source of a built file: "wav/open.wav" comes from data/sound/open.txt.
std::string sourceOf(std::string_view built, const char* folder) {
    const auto slash = built.find('/');
    const auto dot = built.rfind('.');
    return std::string(GRAVENHOLD_SOURCE_DIR) + "/data/" + folder + "/" +
           std::string(built.substr(slash + 1, dot - slash - 1)) + ".txt";
}

std::string read(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Content, EveryEffectHasARecipeThatLastsUnderTwoSeconds) {
    for (const sound::EffectFile& e : sound::kEffects) {
        const std::string path = sourceOf(e.file, "sound");
        const auto samples = sounds::synthesize(sounds::parseRecipe(read(path), path));
        EXPECT_GT(samples.size(), 2000u) << path;
        EXPECT_LT(samples.size(), 2u * sounds::kSampleRate) << path;
    }
    // A blow must end before the next blow of a fight, 150 ms later at the highest speed.
    const std::string blow = sourceOf("wav/taisen.wav", "sound");
    EXPECT_LT(sounds::synthesize(sounds::parseRecipe(read(blow), blow)).size(), 3307u);
}

TEST(Content, EveryTrackHasAScoreThatLoopsWithinTwoMinutes) {
    for (const sound::TrackFile& t : sound::kTracks) {
        const std::string path = sourceOf(t.file, "music");
        const sounds::Score score = sounds::parseScore(read(path), path);
        EXPECT_GE(score.seconds(), 15) << path;
        EXPECT_LE(score.seconds(), 120) << path;
    }
}

} // namespace
